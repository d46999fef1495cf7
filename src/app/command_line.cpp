#include "command_line.h"

#include "brewlore_version.h"
#include "platform/random.h"
#include "reading/symbol_catalogue.h"
#include "reading/symbol_draw.h"
#include "translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

namespace {

class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
public:
    static std::optional<int> Run();

private:
    static void AddQtOptions(QCommandLineParser &parser);
    static int PrintReading();
};

// Options that QGuiApplication and QApplication read for the windows. The
// parser accepts them, unlisted in the help, so that they still reach Qt.
struct QtOption
{
    const char *name;
    bool takesValue;
};
const QtOption qtOptions[] = {
    {"platform", true},        {"platformpluginpath", true},
    {"platformtheme", true},   {"plugin", true},
    {"qwindowgeometry", true}, {"qwindowicon", true},
    {"qwindowtitle", true},    {"session", true},
    {"style", true},           {"stylesheet", true},
    {"display", true},         {"geometry", true},
    {"reverse", false},        {"widgetcount", false},
};

void CommandLine::AddQtOptions(QCommandLineParser &parser)
{
    for (const QtOption &qt : qtOptions) {
        QCommandLineOption option(QLatin1String(qt.name));
        if (qt.takesValue)
            option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

int CommandLine::PrintReading()
{
    // The draw of a click on the coffee pot, from a generator seeded from the
    // clock as at start-up. No lock is taken and nothing is stored, so it may
    // run beside the window program as often as one likes.
    platform::Randomize();
    modSymbols::drawReading();
    const int slot = modSymbols::CurrentSymbol;
    QTextStream out(stdout);
    out << modSymbols::ShownName(slot) << '\n' << modSymbols::ShownMeaning(slot) << '\n';
    out.flush();
    if (out.status() != QTextStream::Ok || std::fflush(stdout) != 0) {
        QTextStream(stderr) << tr("%1: cannot write the reading to standard output")
                                   .arg(QCoreApplication::applicationName())
                            << '\n';
        return 1;
    }
    return 0;
}

std::optional<int> CommandLine::Run()
{
    QCommandLineParser parser;
    // Qt's own options are single-dash words: -platform, -style.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        tr("A coffee-cup reading: your symbol for the day and its traditional meaning.\n"
           "Without options, Brewlore opens its window."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  tr("Show this help and end."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     tr("Show the version and end."));
    const QCommandLineOption reading(
        QStringLiteral("reading"),
        tr("Print one reading and end: the symbol's name on one line, its meaning on the next. "
           "Needs no display."));
    parser.addOptions({help, version, reading});
    AddQtOptions(parser);

    QTextStream out(stdout);
    QTextStream err(stderr);
    QString mistake;
    if (!parser.parse(QCoreApplication::arguments()))
        mistake = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        mistake = tr("Unexpected argument '%1'.").arg(parser.positionalArguments().constFirst());
    if (!mistake.isEmpty()) {
        err << QCoreApplication::applicationName() << ": " << mistake << "\n\n"
            << parser.helpText();
        return 2;
    }
    if (parser.isSet(help)) {
        out << parser.helpText();
        return 0;
    }
    if (parser.isSet(version)) {
        out << BREWLORE_PRODUCT " " BREWLORE_VERSION "\n";
        return 0;
    }
    if (parser.isSet(reading))
        return PrintReading();
    return std::nullopt; // only Qt's own options: on to the windows
}

} // namespace

std::optional<int> RunCommandLine(int argc, char *argv[])
{
    // A plain start pays nothing for the parser.
    if (argc <= 1)
        return std::nullopt;
    // A core application only: no display is needed to answer these.
    QCoreApplication app(argc, argv);
    InstallTranslations();
    return CommandLine::Run();
}

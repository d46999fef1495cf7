#include "command_line.h"

#include "brewlore_version.h"
#include "console.h"
#include "platform/random.h"
#include "reading/symbol_catalogue.h"
#include "reading/symbol_draw.h"
#include "translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

// Qt's own options, which the parser takes, unlisted in the help, so that
// they reach Qt. -qmljsdebugger is not among them: the core application
// object takes it out of the arguments before they are parsed.
struct QtOption
{
    const char *name;
    bool takesValue;
};
const QtOption qtOptions[] = {
    // QGuiApplication's, and the X11 ones its documentation lists
    {"platform", true},
    {"platformpluginpath", true},
    {"platformtheme", true},
    {"plugin", true},
    {"qwindowgeometry", true},
    {"qwindowicon", true},
    {"qwindowtitle", true},
    {"reverse", false},
    {"session", true},
    {"display", true},
    {"geometry", true},
    // QApplication's
    {"style", true},
    {"stylesheet", true},
    {"widgetcount", false},
    // the Windows platform's, as the manual qt6options(7) gives them
    {"dialogs", true},
    {"fontengine", true},
    // those Qt's X11 platform reads besides
    {"name", true},
    {"title", true},
    {"icon", true},
    {"visual", true},
    {"nograb", false},
    {"dograb", false},
};

// Control characters shown as \x1b and the like, so that an argument echoed
// in a message cannot act on the terminal.
QString escaped(const QString &text)
{
    QString shown;
    for (const QChar c : text)
        shown += c.category() == QChar::Other_Control
                     ? QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'))
                     : QString(c);
    return shown;
}

int failedToWrite(const QString &message)
{
    WriteError(message.arg(QCoreApplication::applicationName()) + QLatin1Char('\n'));
    return 1;
}

int PrintReading()
{
    // The draw of a click on the coffee pot, from a generator seeded from the
    // clock as at start-up. No lock is taken and nothing is stored, so it may
    // run beside the window program as often as one likes.
    platform::Randomize();
    modSymbols::drawReading();
    const int slot = modSymbols::CurrentSymbol;
    if (!WriteOut(modSymbols::ShownName(slot) + '\n' + modSymbols::ShownMeaning(slot) + '\n'))
        return failedToWrite(QCoreApplication::translate(
            "CommandLine", "%1: cannot write the reading to standard output"));
    return 0;
}

std::optional<int> Run(QByteArrayList &qtArguments)
{
    QCommandLineParser parser;
    // Qt's own options are single-dash words: -platform, -style.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine",
        "A coffee-cup reading: your symbol for the day and its traditional meaning.\n"
        "Without options, Brewlore opens its window."));
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help")},
        QCoreApplication::translate("CommandLine", "Show this help and end."));
    const QCommandLineOption version(
        {QStringLiteral("v"), QStringLiteral("version")},
        QCoreApplication::translate("CommandLine", "Show the version and end."));
    const QCommandLineOption reading(
        QStringLiteral("reading"),
        QCoreApplication::translate(
            "CommandLine",
            "Print one reading and end: the symbol's name on one line, its meaning on the next. "
            "Needs no display."));
    parser.addOptions({help, version, reading});
    for (const QtOption &qt : qtOptions) {
        QCommandLineOption option(QLatin1String(qt.name));
        if (qt.takesValue)
            option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    QString mistake;
    if (!parser.parse(QCoreApplication::arguments()))
        mistake = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        mistake = QCoreApplication::translate("CommandLine", "Unexpected argument '%1'.")
                      .arg(parser.positionalArguments().constFirst());
    if (!mistake.isEmpty()) {
        TellMistake(QCoreApplication::applicationName() + QStringLiteral(": ") + escaped(mistake) +
                    QStringLiteral("\n\n") + parser.helpText());
        return 2;
    }
    const QString cannotWrite =
        QCoreApplication::translate("CommandLine", "%1: cannot write to standard output");
    if (parser.isSet(help))
        return WriteOut(parser.helpText()) ? 0 : failedToWrite(cannotWrite);
    if (parser.isSet(version))
        return WriteOut(QStringLiteral(BREWLORE_PRODUCT " " BREWLORE_VERSION "\n"))
                   ? 0
                   : failedToWrite(cannotWrite);
    if (parser.isSet(reading))
        return PrintReading();
    // Only Qt's options: on to the windows, with each option as Qt reads it.
    for (const QtOption &qt : qtOptions) {
        const QString name = QLatin1String(qt.name);
        if (!parser.isSet(name))
            continue;
        const QStringList values = qt.takesValue ? parser.values(name) : QStringList{QString()};
        for (const QString &value : values) {
            qtArguments << '-' + QByteArray(qt.name);
            if (qt.takesValue)
                qtArguments << value.toLocal8Bit();
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<int> RunCommandLine(int argc, char *argv[], QtArguments &qt)
{
    qt.text = {argc > 0 ? QByteArray(argv[0]) : QByteArrayLiteral("brewlore")};
    // A plain start pays nothing for the parser.
    if (argc > 1) {
        // A core application only: no display is needed to answer these.
        QCoreApplication app(argc, argv);
        InstallTranslations();
        if (const std::optional<int> status = Run(qt.text))
            return status;
    }
    for (QByteArray &argument : qt.text)
        qt.argv.push_back(argument.data());
    qt.argv.push_back(nullptr);
    qt.argc = int(qt.text.size());
    return std::nullopt;
}

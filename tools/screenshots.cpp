// Renders a PNG of every window into the folder given on the command line,
// for the README, in English or in the language given after it ("tr", "el"),
// whose code then ends each file name, or only the pictures named after the
// language. The reading window comes twice more, with the language's widest
// symbol name and its longest meaning, the texts likeliest to be clipped.
// Runs the real windows through the real road, with the browser
// and the settings store kept out of the way. On a scaled screen
// (QT_SCALE_FACTOR=2) the file names say so: main-window-2x.png.

#include "app/forms_registry.h"
#include "app/translations.h"
#include "platform/browser.h"
#include "platform/calendar.h"
#include "platform/process_end.h"
#include "platform/random.h"
#include "reading/symbol_catalogue.h"
#include "web/update_reminder.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

namespace {

QDir target;
QString suffix;     // "-tr" for Turkish, empty for English
QStringList wanted; // empty: every picture
int failures = 0;

void save(QWidget *window, const char *name)
{
    if (!wanted.isEmpty() && !wanted.contains(QLatin1String(name)))
        return;
    const qreal ratio = qApp->devicePixelRatio();
    const QString scale = ratio == 1 ? QString() : QStringLiteral("-%1x").arg(ratio);
    const QString path =
        target.filePath(QLatin1String(name) + scale + suffix + QStringLiteral(".png"));
    if (!window || !window->grab().save(path)) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
        ++failures;
        return;
    }
    std::printf("%s\n", qPrintable(path));
}

// The slots whose texts fill the reading window most: the widest name, and
// the meaning that wraps to the most lines (the longer text among equals).
std::pair<int, int> fullestReadings(forms::frmDisplay *display)
{
    const auto *name = display->findChild<QLabel *>(QStringLiteral("lblElement"));
    auto *meaning = display->findChild<QLabel *>(QStringLiteral("lblDesc"));
    const QString shown = meaning->text();
    const auto fill = [meaning](int slot) {
        meaning->setText(modSymbols::ShownMeaning(slot));
        return std::pair(meaning->heightForWidth(meaning->width()), meaning->text().size());
    };
    const QFontMetrics metrics(name->font());
    int widest = 1;
    int tallest = 1;
    auto tallestFill = fill(1);
    for (int slot = 2; slot <= modSymbols::SymbolCount; ++slot) {
        if (metrics.horizontalAdvance(modSymbols::ShownName(slot)) >
            metrics.horizontalAdvance(modSymbols::ShownName(widest)))
            widest = slot;
        if (const auto f = fill(slot); f > tallestFill) {
            tallest = slot;
            tallestFill = f;
        }
    }
    meaning->setText(shown);
    return {widest, tallest};
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    target = QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs"));
    if (!target.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot make %s\n", qPrintable(target.path()));
        return 1;
    }
    for (int i = 3; i < argc; ++i)
        wanted.append(QString::fromLocal8Bit(argv[i]));
    if (argc > 2) {
        const QString language = QString::fromLocal8Bit(argv[2]);
        if (language != QLatin1String("en")) {
            if (InstallTranslations({language}) != language) {
                std::fprintf(stderr, "no translation for %s\n", argv[2]);
                return 1;
            }
            suffix = QLatin1Char('-') + language;
        }
    }
    // The user's own reminder date stays untouched.
    QTemporaryDir store;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, store.path());
    // The main window's first run stores a date 20 days back.
    platform::Today.replace([] { return QDate::currentDate().addDays(-20); });
    platform::OpenAddress.replace([](const QString &, const platform::LaunchFailed &) {});
    platform::EndProcess.replace([](int) {});
    // A fixed draw: the pictures stay the same from one run to the next.
    platform::RandomizeWith(1);
    platform::Rnd.replace([] { return 0.62f; }); // slot 49, "LION"

    FormsRegistry forms;
    forms::frmMain *main = forms.Main();
    main->show();
    save(main, "main-window");

    QTimer::singleShot(1500, main, [main] { save(main, "main-window-reveal"); });
    QMetaObject::invokeMethod(main, &forms::frmMain::picCoffeePot_Click);
    save(forms.Display(), "reading-window");
    // The same window with the longest texts of the language.
    const auto [widest, tallest] = fullestReadings(forms.Display());
    for (const auto &[slot, name] : {std::pair(widest, "reading-window-longest-name"),
                                     std::pair(tallest, "reading-window-longest-meaning")}) {
        forms.Display()->ShowReading(modSymbols::ShownName(slot), modSymbols::ShownMeaning(slot));
        save(forms.Display(), name);
    }

    // The modal windows are grabbed from inside their own event loops.
    QTimer::singleShot(200, [] {
        QWidget *about = QApplication::activeModalWidget();
        save(about, "about-window");
        if (about)
            about->close();
    });
    forms.Display()->findChild<QAction *>(QStringLiteral("mnuAbout"))->trigger();

    // The update question, as a start 20 days after the first one asks it.
    platform::Today.replace({});
    QTimer::singleShot(200, [] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        save(box, "update-question");
        if (box)
            box->button(QMessageBox::No)->click();
    });
    modHelp::CheckForUpdate();

    forms.Display()->close();
    save(forms.NagScreen(), "exit-window");
    return failures ? 1 : 0;
}

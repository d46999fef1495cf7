#include "command_line.h"
#include "console.h"
#include "display_check.h"
#include "forms/menu_bar_style.h"
#include "forms_registry.h"
#include "platform/font_warmup.h"
#include "platform/settings_store.h"
#include "platform/startup_trace.h"
#include "startup.h"
#include "translations.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    platform::TraceStartup("main()");
    // Qt would take the name from the file, which a user may rename.
    QCoreApplication::setApplicationName(platform::AppName());
    // --help, --version, --reading and mistakes end here, with no display.
    if (argc > 1)
        AttachParentConsole();
    QtArguments qt;
    if (const std::optional<int> status = RunCommandLine(argc, argv, qt))
        return *status;
    // Opening the display takes longer than reading the font configuration:
    // side by side, the window is shown that much sooner.
    platform::FontWarmUp fonts;
    WatchDisplayOpening();
    QApplication app(qt.argc, qt.argv.data());
    // Nothing is stored before the program knows it has a screen.
    if (!DisplayOpened())
        return 1;
    platform::TraceStartup("display opened");
    fonts.Wait();
    platform::TraceStartup("font configuration read");
    InstallTranslations();
    QApplication::setStyle(forms::makeApplicationStyle());
    QGuiApplication::setDesktopFileName(QStringLiteral("io.example.quillory.Brewlore"));
    // Closing a window never ends the program; only the exit window does.
    QApplication::setQuitOnLastWindowClosed(false);
    platform::SettleStoreFolder();
    FormsRegistry forms;
    StartUp(forms);
    // A second copy has already ended during start-up, before any event loop.
    if (forms.Leaving())
        return 0;
    return QApplication::exec();
}

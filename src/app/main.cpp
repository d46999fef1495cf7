#include "forms_registry.h"
#include "startup.h"
#include "translations.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    InstallTranslations();
    QGuiApplication::setDesktopFileName(QStringLiteral("io.example.quillory.Brewlore"));
    // Closing a window never ends the program; only the exit window does.
    QApplication::setQuitOnLastWindowClosed(false);
    FormsRegistry forms;
    StartUp(forms);
    // A second copy has already ended during start-up, before any event loop.
    if (forms.Leaving())
        return 0;
    return QApplication::exec();
}

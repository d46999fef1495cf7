// Drives the real start-up and windows on a Wayland compositor, for
// scripts/wayland-check.sh: start, one reading, Back, Exit. The program's own
// end gives the status, 0; a step that does not happen gives 1 and says which.

#include "app/forms_registry.h"
#include "app/startup.h"
#include "platform/message_box.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <functional>

namespace {

bool stopped = false; // the run is over before its last step

void say(const QString &line)
{
    std::printf("wayland-smoke: %s\n", qPrintable(line));
    std::fflush(stdout);
}

bool failed(const QString &what)
{
    say(what);
    return false;
}

bool waitFor(const std::function<bool()> &done, int ms = 10000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (stopped || clock.elapsed() > ms)
            return false;
        QEventLoop loop;
        QTimer::singleShot(10, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

// Shown, and mapped by the compositor: it has configured the window's surface.
bool onScreen(QWidget *window)
{
    return waitFor([window] {
        return window->isVisible() && window->windowHandle() && window->windowHandle()->isExposed();
    });
}

// Presses a button or menu entry of a window as a click would.
bool press(QWidget *window, const char *name)
{
    if (auto *button = window->findChild<QAbstractButton *>(QLatin1String(name)))
        button->click();
    else if (auto *action = window->findChild<QAction *>(QLatin1String(name)))
        action->trigger();
    else
        return failed(
            QStringLiteral("%1 has no %2").arg(window->objectName(), QLatin1String(name)));
    return !stopped;
}

QString text(QWidget *window, const char *name)
{
    const auto *label = window->findChild<QLabel *>(QLatin1String(name));
    return label ? label->text().trimmed() : QString();
}

// Each step either happens or ends the run with status 1, naming it.
bool drive(FormsRegistry &forms)
{
    StartUp(forms);
    if (stopped || !onScreen(forms.Main()))
        return failed(QStringLiteral("the main window did not come up"));
    say(QStringLiteral("start-up: main window \"%1\" is on screen")
            .arg(forms.Main()->windowTitle()));

    // The real four-second reveal: the click returns once the reading is up.
    if (!press(forms.Main(), "picCoffeePot"))
        return false;
    forms::frmDisplay *display = forms.Display();
    if (!onScreen(display) || forms.Main()->isVisible())
        return failed(QStringLiteral("the reading window did not replace the main window"));
    const QString name = text(display, "lblElement");
    if (name.isEmpty())
        return failed(QStringLiteral("the reading window names no symbol"));
    say(QStringLiteral("reading: %1 - %2").arg(name, text(display, "lblDesc")));

    if (!press(display, "cmdOK"))
        return false;
    if (!onScreen(forms.Main()) || forms.LoadedForms().contains(display))
        return failed(QStringLiteral("Back did not bring the main window back"));
    say(QStringLiteral("Back: main window on screen, reading window unloaded"));

    if (!press(forms.Main(), "mnuExit"))
        return false;
    forms::frmNagScreen2 *nag = forms.NagScreen();
    if (!onScreen(nag))
        return failed(QStringLiteral("File > Exit did not bring up the exit window"));
    say(QStringLiteral("Exit: exit window on screen; its Exit ends the program"));
    return press(nag, "cmdClose");
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("io.example.quillory.Brewlore"));
    QApplication::setQuitOnLastWindowClosed(false);
    if (QGuiApplication::platformName() != QLatin1String("wayland")) {
        say(QStringLiteral("runs on \"%1\", not on Wayland").arg(QGuiApplication::platformName()));
        return 1;
    }
    say(QStringLiteral("platform wayland, display %1")
            .arg(qEnvironmentVariable("WAYLAND_DISPLAY")));
    // A fresh settings folder asks nothing; a box here would wait for a user.
    platform::MsgBox.replace([](const QString &text, int) {
        say(QStringLiteral("unexpected message box: %1").arg(text));
        stopped = true;
        QCoreApplication::exit(1);
        return int(platform::vbNo);
    });

    FormsRegistry forms;
    QTimer::singleShot(0, &forms, [&forms] {
        if (!drive(forms))
            QCoreApplication::exit(1);
    });
    return QApplication::exec();
}

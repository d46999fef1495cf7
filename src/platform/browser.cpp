#include "browser.h"

#ifdef Q_OS_WIN
#include "shell_open_win.h"
#else
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>
#endif

namespace platform {

namespace {

BrowserHandler &handler()
{
    static BrowserHandler h;
    return h;
}

#ifndef Q_OS_WIN
const QString OpenerName = QStringLiteral("brewlore-browser-launch");
bool quitting = false; // nothing is told once the program is on its way out

// A launcher still running when the program ends would be ended with it,
// and the page it was handing on lost. Each gets a moment to finish first;
// one that runs the browser itself is ended after that, and the browser it
// started runs on.
void letLaunchersFinish()
{
    quitting = true;
    const QDeadlineTimer moment(1000);
    for (QProcess *opener : QCoreApplication::instance()->findChildren<QProcess *>(
             OpenerName, Qt::FindDirectChildrenOnly))
        opener->waitForFinished(int(moment.remainingTime()));
}
#endif

bool launch(const QString &address, const LateFailure &failedLater)
{
#ifdef Q_OS_WIN
    // The shell takes the address in the system's ANSI code page, and has
    // answered for good when it returns.
    Q_UNUSED(failedLater);
    return ShellOpenAddress(address.toLocal8Bit().constData());
#else
    // xdg-open picks the desktop's browser. Started here rather than through
    // QDesktopServices, whose failure warning quotes the whole address: the
    // outcome is ours to see, and the launcher's own complaints, which quote
    // it too, go nowhere. The address is one argument, never a shell word.
    // It is watched until it ends, which for most desktops is as soon as it
    // has handed the address on, so that a launcher that finds no browser is
    // heard of. The program's end does not wait for it.
    static const bool atQuit = bool(QObject::connect(
        QCoreApplication::instance(), &QCoreApplication::aboutToQuit, &letLaunchersFinish));
    Q_UNUSED(atQuit);
    auto *opener = new QProcess(QCoreApplication::instance());
    opener->setObjectName(OpenerName);
    opener->setProgram(QStringLiteral("xdg-open"));
    opener->setArguments({address});
    opener->setStandardInputFile(QProcess::nullDevice());
    opener->setStandardOutputFile(QProcess::nullDevice());
    opener->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(opener, &QProcess::finished, opener,
                     [opener, failedLater](int code, QProcess::ExitStatus status) {
                         opener->deleteLater();
                         const bool failed = status != QProcess::NormalExit || code != 0;
                         if (failed && failedLater && !quitting)
                             failedLater();
                     });
    opener->start();
    if (opener->waitForStarted())
        return true;
    delete opener;
    return false;
#endif
}

} // namespace

bool OpenAddress(const QString &address, LateFailure failedLater)
{
    if (handler())
        return handler()(address);
    return launch(address, failedLater);
}

void setBrowserHandler(BrowserHandler h) { handler() = std::move(h); }

} // namespace platform

#include "browser.h"

#include <QCoreApplication>
#include <QProcess>
#include <QVariant>

namespace platform {

namespace {

const QString WatcherName = QStringLiteral("brewlore-browser-launch");

// xdg-open picks the desktop's browser. It runs under a small shell of ours
// that answers with its exit status, so that a launcher that finds no
// browser is heard of; most end as soon as they have handed the address on.
// The launcher runs in the background and the shell only waits for its
// input to close, so the shell can always be let go without taking the
// launcher along. The address is one argument, never a shell word, and the
// launcher's complaints, which quote it, go nowhere.
const QString Script = QStringLiteral(R"((xdg-open "$1" >/dev/null 2>&1; echo "$?") & read -r _)");

// Each launch watched holds three descriptors (two pipes and the shell's
// process handle) for as long as its launcher runs, and a launcher that keeps
// the browser in the foreground never ends. Past this many the oldest is let
// go, so that no number of presses uses up the descriptors that the windows
// need to draw a message.
constexpr int MostWatched = 4;
const char LetGo[] = "brewlore-let-go";

QList<QProcess *> watchers()
{
    return QCoreApplication::instance()->findChildren<QProcess *>(WatcherName,
                                                                  Qt::FindDirectChildrenOnly);
}

// The shell ends as its input closes, and its descriptors with it; the
// launcher runs on, unheard.
void letGo(QProcess *watcher)
{
    QObject::disconnect(watcher, &QProcess::readyReadStandardOutput, nullptr, nullptr);
    QObject::disconnect(watcher, &QProcess::errorOccurred, nullptr, nullptr);
    watcher->setProperty(LetGo, true);
    watcher->closeWriteChannel();
}

// Oldest first, as children keep the order they were made in.
void makeRoomForOne()
{
    QList<QProcess *> watched;
    for (QProcess *watcher : watchers())
        if (!watcher->property(LetGo).toBool())
            watched.append(watcher);
    for (qsizetype i = 0; i + MostWatched <= watched.size(); ++i)
        letGo(watched.at(i));
}

// At the end the shells go, and with them every report; each launcher runs
// on until it has handed its address over, so the end need not wait for it.
void releaseLaunchers()
{
    for (QProcess *watcher : watchers()) {
        watcher->disconnect();
        watcher->closeWriteChannel();
        watcher->waitForFinished(); // the shell's own end, a moment
        delete watcher;
    }
}

void report(LaunchFailed failed)
{
    if (failed)
        failed();
}

void launch(const QString &address, const LaunchFailed &failed)
{
    // Started here rather than through QDesktopServices, whose failure
    // warning quotes the whole address. Nothing here waits: the start, and
    // how the launcher ends, come from the event loop.
    static const bool releasedAtQuit = bool(QObject::connect(
        QCoreApplication::instance(), &QCoreApplication::aboutToQuit, &releaseLaunchers));
    Q_UNUSED(releasedAtQuit);
    makeRoomForOne();
    auto *watcher = new QProcess(QCoreApplication::instance());
    watcher->setObjectName(WatcherName);
    watcher->setProgram(QStringLiteral("/bin/sh"));
    watcher->setArguments({QStringLiteral("-c"), Script, QStringLiteral("sh"), address});
    watcher->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(watcher, &QProcess::readyReadStandardOutput, watcher, [watcher, failed] {
        if (!watcher->canReadLine())
            return;
        const bool handedOn = watcher->readLine().trimmed() == "0";
        watcher->closeWriteChannel(); // the shell's part is done
        if (!handedOn)
            report(failed);
    });
    QObject::connect(watcher, &QProcess::finished, watcher, &QObject::deleteLater);
    QObject::connect(watcher, &QProcess::errorOccurred, watcher,
                     [watcher, failed](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart)
                             return;
                         watcher->deleteLater();
                         report(failed);
                     });
    watcher->start();
}

} // namespace

Seam<void(const QString &address, const LaunchFailed &failed)> OpenAddress(&launch);

} // namespace platform

#include "instance_guard.h"

#include "settings_store.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#ifdef Q_OS_UNIX
#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#else
#include <QLockFile>
#include <memory>
#endif

namespace platform {

QString InstanceLockPath()
{
#ifdef Q_OS_WIN
    // The store is the registry there; the lock takes the folder a settings
    // file of the same program would use.
    const QSettings::Format format = QSettings::IniFormat;
#else
    const QSettings::Format format = QSettings::NativeFormat;
#endif
    const QString app = AppName();
    const QFileInfo store(QSettings(format, QSettings::UserScope, app, app).fileName());
    // Not "<store>.lock": QSettings locks its file under that name while it writes.
    return store.dir().filePath(app + QStringLiteral(".lock"));
}

bool PrevInstance()
{
    const QString path = InstanceLockPath();
#ifdef Q_OS_UNIX
    // An advisory lock on the open file: the system lets it go when the
    // process ends, however it ends, so no lock is ever left stale, and
    // nothing has to reach the disk before the main window can show.
    static int held = -1;
    if (held >= 0)
        return false;
    // The settings folder does not exist before the first setting is saved.
    QDir().mkpath(QFileInfo(path).path());
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return false; // no guard to be had: run rather than lock the user out
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        held = fd;
        return false;
    }
    const bool taken = errno == EWOULDBLOCK;
    ::close(fd);
    return taken;
#else
    static std::unique_ptr<QLockFile> lock;
    if (lock && lock->isLocked())
        return false;
    QDir().mkpath(QFileInfo(path).path());
    lock = std::make_unique<QLockFile>(path);
    // Never stale by age: only a lock whose process has gone may be taken over.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0))
        return false;
    // Only a lock held by a live copy counts; any other failure starts unguarded.
    return lock->error() == QLockFile::LockFailedError;
#endif
}

} // namespace platform

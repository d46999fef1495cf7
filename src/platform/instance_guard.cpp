#include "instance_guard.h"

#include <QDir>
#include <QStandardPaths>

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
    // One name for every build of the program, whatever its file is called.
    const QString name = QStringLiteral("brewlore");
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!dir.isEmpty())
        return QDir(dir).filePath(name + QStringLiteral(".lock"));
    const QString user = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
    return QDir(QDir::tempPath())
        .filePath(name + QLatin1Char('-') + user + QStringLiteral(".lock"));
}

bool PrevInstance()
{
#ifdef Q_OS_UNIX
    // An advisory lock on the open file: the system lets it go when the
    // process ends, however it ends, so no lock is ever left stale, and
    // nothing has to reach the disk before the main window can show.
    static int held = -1;
    if (held >= 0)
        return false;
    const QByteArray path = QFile::encodeName(InstanceLockPath());
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return false; // no guard to be had: run rather than refuse
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
    lock = std::make_unique<QLockFile>(InstanceLockPath());
    // Never stale by age: only a lock whose process has gone may be taken over.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0))
        return false;
    return lock->error() == QLockFile::LockFailedError;
#endif
}

} // namespace platform

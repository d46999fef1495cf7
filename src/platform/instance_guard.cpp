#include "instance_guard.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>
#include <memory>

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
    static std::unique_ptr<QLockFile> lock;
    if (lock && lock->isLocked())
        return false;
    lock = std::make_unique<QLockFile>(InstanceLockPath());
    // Never stale by age: only a lock whose process has gone may be taken over.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0))
        return false;
    return lock->error() == QLockFile::LockFailedError;
}

} // namespace platform

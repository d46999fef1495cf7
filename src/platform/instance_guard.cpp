#include "instance_guard.h"

#include "settings_store.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>
#include <memory>

namespace platform {

QString InstanceLockPath()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    QString name = AppName() + QStringLiteral(".lock");
    if (dir.isEmpty()) {
        dir = QDir::tempPath();
        QString user = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
        name = AppName() + QLatin1Char('-') + user + QStringLiteral(".lock");
    }
    return QDir(dir).filePath(name);
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

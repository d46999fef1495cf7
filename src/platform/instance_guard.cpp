#include "instance_guard.h"

#include "settings_store.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <memory>

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
    static std::unique_ptr<QLockFile> lock;
    if (lock && lock->isLocked())
        return false;
    const QString path = InstanceLockPath();
    // The settings folder does not exist before the first setting is saved.
    QDir().mkpath(QFileInfo(path).path());
    lock = std::make_unique<QLockFile>(path);
    // Never stale by age: only a lock whose process has gone may be taken over.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0))
        return false;
    // Only a lock held by a live copy counts; any other failure starts unguarded.
    return lock->error() == QLockFile::LockFailedError;
}

} // namespace platform

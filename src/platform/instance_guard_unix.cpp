#include "instance_guard.h"

#include "settings_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace platform {

QString InstanceGuardName()
{
    const QString app = AppName();
    const QFileInfo store(QSettings(QSettings::UserScope, app, app).fileName());
    // Not "<store>.lock": QSettings locks its file under that name while it writes.
    return store.dir().filePath(app + QStringLiteral(".lock"));
}

bool PrevInstance()
{
    // An advisory lock on the open file: the system lets it go when the
    // process ends, however it ends, so no lock is ever left stale, and
    // nothing has to reach the disk before the main window can show.
    static int held = -1;
    if (held >= 0)
        return false;
    const QString path = InstanceGuardName();
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
}

} // namespace platform

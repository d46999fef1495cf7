#include "settings_store.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace platform {

namespace {

// As GLib finds it: HOME first, then the password database, which still
// knows the home folder of a process started with HOME unset (by a service,
// a cron job, `env -i`).
QString homeFolder()
{
    const QString home = qEnvironmentVariable("HOME");
    if (QDir::isAbsolutePath(home))
        return home;
    const long suggested = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(suggested > 0 ? size_t(suggested) : 16384);
    passwd entry{};
    passwd *found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found ||
        !found->pw_dir)
        return QString();
    return QFile::decodeName(found->pw_dir);
}

} // namespace

void SettleStoreFolder()
{
    QString folder = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!QDir::isAbsolutePath(folder)) {
        const QString home = homeFolder();
        if (home.isEmpty())
            return; // nowhere better to go than where Qt looks
        folder = home + QStringLiteral("/.config");
    }
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
}

} // namespace platform

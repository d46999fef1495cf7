#pragma once
// The per-user settings store, addressed by application name, section and
// key. On Windows this is the registry under HKEY_CURRENT_USER\Software, on
// Linux an INI file under ~/.config. Tests point QSettings at a temporary
// folder with QSettings::setPath.

#include <QString>

namespace platform {

// Points the store at the folder the desktop's rules give, before anything
// is read or written. On Linux that is $XDG_CONFIG_HOME when it is an
// absolute path (the rules call a relative one invalid: it would put the
// settings, and the guard beside them, wherever the program was started
// from), else ~/.config, with the home folder from the password database when
// HOME is unset. Windows keeps the store in the registry.
void SettleStoreFolder();

// The program's name in its settings, its single-instance guard and its
// messages, whatever its file is called: a renamed copy ("brewlore (1).exe",
// an AppImage) is the same program, not a second one with settings of its own.
QString AppName();

struct SettingRead
{
    QString value;
    bool ok = true; // false when the store could not be read
};

SettingRead GetSetting(const QString &appName, const QString &section, const QString &key,
                       const QString &defaultValue = QString());

// True only when the value reached the store.
bool SaveSetting(const QString &appName, const QString &section, const QString &key,
                 const QString &value);

} // namespace platform

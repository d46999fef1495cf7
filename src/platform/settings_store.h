#pragma once
// The per-user settings store, addressed by application name, section and
// key. On Windows this is the registry under HKEY_CURRENT_USER\Software, on
// Linux an INI file under ~/.config. Tests point QSettings at a temporary
// folder with QSettings::setPath.

#include <QString>

namespace platform {

// The program file's name without its extension.
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

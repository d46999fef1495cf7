#include "settings_store.h"

#include <QSettings>

namespace platform {

namespace {

QString settingPath(const QString &section, const QString &key)
{
    return section + QLatin1Char('/') + key;
}

} // namespace

QString AppName() { return QStringLiteral("brewlore"); }

SettingRead GetSetting(const QString &appName, const QString &section, const QString &key,
                       const QString &defaultValue)
{
    QSettings store(QSettings::UserScope, appName, appName);
    if (store.status() != QSettings::NoError)
        return {defaultValue, false};
    return {store.value(settingPath(section, key), defaultValue).toString(), true};
}

bool SaveSetting(const QString &appName, const QString &section, const QString &key,
                 const QString &value)
{
    QSettings store(QSettings::UserScope, appName, appName);
    store.setValue(settingPath(section, key), value);
    store.sync();
    return store.status() == QSettings::NoError && store.isWritable();
}

} // namespace platform

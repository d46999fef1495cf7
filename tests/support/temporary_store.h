#pragma once
// Points the per-user settings store at a temporary folder for the life of
// the object, so a test never reads or writes the user's own settings, even
// when it is run by hand outside CTest.

#include <QSettings>
#include <QTemporaryDir>

class TemporaryStore
{
public:
    TemporaryStore()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.path());
    }
    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

#pragma once
// How the tests keep away from the user's files, in one place. Every test
// program is linked with private_home.cpp, which gives the process folders
// of its own before main() runs. A test that needs an empty settings store
// for itself (each case starting afresh, say) holds a TemporaryStore: the
// per-user settings store points at a fresh folder of its own for the life
// of the object.

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
    TemporaryStore(const TemporaryStore &) = delete;
    TemporaryStore &operator=(const TemporaryStore &) = delete;

    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

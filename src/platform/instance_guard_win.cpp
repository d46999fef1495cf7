#include "instance_guard.h"

#include "settings_store.h"

#include <QCryptographicHash>
#include <QSettings>
#include <memory>

#include <windows.h>

#include <sddl.h>

namespace platform {

namespace {

// The user's security identifier: two users of one session (one of them
// through "Run as") each get a copy of their own.
QString userSid()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return QString();
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::unique_ptr<char[]> buffer(new char[size ? size : 1]);
    QString sid;
    wchar_t *text = nullptr;
    if (size && GetTokenInformation(token, TokenUser, buffer.get(), size, &size) &&
        ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER *>(buffer.get())->User.Sid, &text)) {
        sid = QString::fromWCharArray(text);
        LocalFree(text);
    }
    CloseHandle(token);
    return sid;
}

} // namespace

QString InstanceGuardName()
{
    // The settings live in the registry, under a key named after the program
    // (a renamed copy has a store of its own); a backslash would be read as a
    // namespace in the name, so the key enters it as a digest.
    const QString app = AppName();
    const QByteArray store =
        QSettings(QSettings::UserScope, app, app).fileName().toLower().toUtf8();
    const QString digest =
        QString::fromLatin1(QCryptographicHash::hash(store, QCryptographicHash::Sha1).toHex());
    return QStringLiteral("Local\\%1-%2-%3").arg(app, userSid(), digest);
}

bool PrevInstance()
{
    // A mutex that the system destroys with its last handle, which it closes
    // when the process ends, however it ends. Unlike a lock file it cannot be
    // left naming a process number that Windows has since handed to another.
    static HANDLE held = nullptr;
    if (held)
        return false;
    const std::wstring name = InstanceGuardName().toStdWString();
    const HANDLE mutex = CreateMutexW(nullptr, FALSE, name.c_str());
    const DWORD error = GetLastError();
    if (!mutex)
        // Made by this user's copy with other rights (run as administrator);
        // any other failure starts unguarded rather than locking the user out.
        return error == ERROR_ACCESS_DENIED;
    if (error == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return true;
    }
    held = mutex;
    return false;
}

} // namespace platform

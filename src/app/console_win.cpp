#include "console.h"

#include "platform/message_box.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

#include <windows.h>

namespace {

bool hasStream(DWORD which)
{
    const HANDLE handle = GetStdHandle(which);
    return handle && handle != INVALID_HANDLE_VALUE;
}

bool hasConsole = false; // or streams of its own: somewhere to write to

} // namespace

void AttachParentConsole()
{
    const bool out = hasStream(STD_OUTPUT_HANDLE);
    const bool err = hasStream(STD_ERROR_HANDLE);
    hasConsole = out && err;
    if (hasConsole)
        return;
    // Started from Explorer or the Start menu there is no console to join,
    // and none is opened.
    if (!AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    hasConsole = true;
    if (!out)
        std::freopen("CONOUT$", "w", stdout);
    if (!err)
        std::freopen("CONOUT$", "w", stderr);
}

void TellMistake(const QString &text)
{
    if (hasConsole) {
        QTextStream(stderr) << text;
        return;
    }
    // No QApplication yet, so the system's own box, with the stop icon.
    const QString title = QCoreApplication::translate("platform", platform::ApplicationTitle);
    MessageBoxW(nullptr, reinterpret_cast<const wchar_t *>(text.trimmed().utf16()),
                reinterpret_cast<const wchar_t *>(title.utf16()), MB_OK | MB_ICONSTOP);
}

#include "console.h"

#include "platform/message_box.h"

#include <QCoreApplication>
#include <QTextStream>
#include <algorithm>
#include <cstdio>

#include <windows.h>

#include <io.h>

namespace {

bool hasStream(DWORD which)
{
    const HANDLE handle = GetStdHandle(which);
    return handle && handle != INVALID_HANDLE_VALUE;
}

bool hasConsole = false; // or streams of its own: somewhere to write to

// The console behind a stream, or null when it goes to a file or a pipe.
HANDLE consoleOf(FILE *stream)
{
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    DWORD mode = 0;
    return handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode) ? handle : nullptr;
}

bool write(FILE *stream, const QString &text)
{
    if (std::fflush(stream) != 0)
        return false;
    if (const HANDLE console = consoleOf(stream)) {
        // UTF-8 bytes would be read in the console's code page (437 shows
        // "Aynı" as "AynÄ±"); wide characters are shown as they are.
        const auto *data = reinterpret_cast<const wchar_t *>(text.utf16());
        qsizetype left = text.size();
        while (left > 0) {
            // Older consoles take at most 64 KiB in one call.
            const DWORD chunk = DWORD(std::min<qsizetype>(left, 8192));
            DWORD written = 0;
            if (!WriteConsoleW(console, data, chunk, &written, nullptr) || written == 0)
                return false;
            data += written;
            left -= written;
        }
        return true;
    }
    QTextStream out(stream);
    out << text;
    out.flush();
    return out.status() == QTextStream::Ok && std::fflush(stream) == 0;
}

} // namespace

void AttachParentConsole()
{
    const bool out = hasStream(STD_OUTPUT_HANDLE);
    const bool err = hasStream(STD_ERROR_HANDLE);
    // The console of the program that started this one (cmd.exe, PowerShell,
    // or brewlore.com with its console's handles): joined, so that those
    // handles take the console's wide-character calls. Started from Explorer
    // or the Start menu there is none, and none is opened.
    const bool attached = AttachConsole(ATTACH_PARENT_PROCESS);
    hasConsole = (out && err) || attached;
    if (!attached)
        return;
    if (!out)
        std::freopen("CONOUT$", "w", stdout);
    if (!err)
        std::freopen("CONOUT$", "w", stderr);
}

bool WriteOut(const QString &text) { return write(stdout, text); }

bool WriteError(const QString &text) { return write(stderr, text); }

void TellMistake(const QString &text)
{
    if (hasConsole) {
        WriteError(text);
        return;
    }
    // No QApplication yet, so the system's own box, with the stop icon.
    const QString title = QCoreApplication::translate("platform", platform::ApplicationTitle);
    MessageBoxW(nullptr, reinterpret_cast<const wchar_t *>(text.trimmed().utf16()),
                reinterpret_cast<const wchar_t *>(title.utf16()), MB_OK | MB_ICONSTOP);
}

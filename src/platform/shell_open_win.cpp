#include "shell_open_win.h"

#include <windows.h>

#include <shellapi.h>

bool ShellOpenAddress(const wchar_t *address)
{
    // The shell resolves the default browser, which starts in a folder of its
    // own choosing. The wide call keeps every character of the address,
    // whatever the system's code page. An answer above 32 means the shell
    // took the address.
    const HINSTANCE answer =
        ShellExecuteW(nullptr, L"open", address, nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(answer) > 32;
}

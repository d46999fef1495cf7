#include "shell_open_win.h"

#include <windows.h>

#include <shellapi.h>

bool ShellOpenAddress(const char *address)
{
    // The shell resolves the default browser. "C:\" is only a working folder
    // for the browser. An answer above 32 means the shell took the address.
    const HINSTANCE answer =
        ShellExecuteA(nullptr, "Open", address, nullptr, "C:\\", SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(answer) > 32;
}

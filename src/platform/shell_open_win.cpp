#include "shell_open_win.h"

#include <windows.h>

#include <shellapi.h>

void ShellOpenAddress(const char *address)
{
    // The shell resolves the default browser; its answer changes nothing for
    // us, so it is dropped. "C:\" is only a working folder for the browser.
    (void)ShellExecuteA(nullptr, "Open", address, nullptr, "C:\\", SW_SHOWNORMAL);
}

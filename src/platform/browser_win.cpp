#include "browser.h"

#include "shell_open_win.h"

namespace platform {

namespace {

// Older Windows shells refuse a longer address; refused here, it is told
// like any launch that fails.
constexpr int MaxShellAddressLength = 2083;

void launch(const QString &address, const LaunchFailed &failed)
{
    // The shell takes the address in the system's ANSI code page, and has
    // answered for good when it returns.
    const bool opened = address.size() <= MaxShellAddressLength &&
                        ShellOpenAddress(address.toLocal8Bit().constData());
    if (!opened && failed)
        failed();
}

} // namespace

Seam<void(const QString &address, const LaunchFailed &failed)> OpenAddress(&launch);

} // namespace platform

#include "browser.h"

#include "shell_open_win.h"

namespace platform {

namespace {

// Older Windows shells refuse a longer address; refused here, it is told
// like any launch that fails.
constexpr int MaxShellAddressLength = 2083;

void launch(const QString &address, const LaunchFailed &failed)
{
    // The shell has answered for good when it returns.
    const bool opened =
        address.size() <= MaxShellAddressLength && ShellOpenAddress(address.toStdWString().c_str());
    if (!opened && failed)
        failed();
}

} // namespace

Seam<void(const QString &address, const LaunchFailed &failed)> OpenAddress(&launch);

} // namespace platform

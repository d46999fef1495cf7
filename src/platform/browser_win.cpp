#include "browser.h"

#include "shell_open_win.h"

namespace platform {

namespace {

void launch(const QString &address, const LaunchFailed &failed)
{
    // The shell has answered for good when it returns. A longer address it
    // would refuse; refused here, it is told like any launch that fails.
    const bool opened =
        address.size() <= MaxAddressLength && ShellOpenAddress(address.toStdWString().c_str());
    if (!opened && failed)
        failed();
}

} // namespace

Seam<void(const QString &address, const LaunchFailed &failed)> OpenAddress(&launch);

} // namespace platform

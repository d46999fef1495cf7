#pragma once
// The one way the program opens a web address: hand it to the desktop's
// default browser, without waiting. When the browser cannot be opened,
// `failed` runs once: at once where the system answers at once, or later from
// the event loop, since on Linux the desktop's launcher may fail after it
// started (no browser set up). What the browser does with the page is not
// seen. A launcher still at work when the program ends carries on and hands
// the address over. Nothing about the address is ever written to a log: it
// may carry names and e-mail addresses. Tests record the addresses and
// choose the outcome.

#include "seam.h"

#include <QString>
#include <functional>

namespace platform {

using LaunchFailed = std::function<void()>;

extern Seam<void(const QString &address, const LaunchFailed &failed)> OpenAddress;

} // namespace platform

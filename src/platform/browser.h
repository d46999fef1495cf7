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

// The longest address that every system's launch hands on. Windows' shell
// refuses addresses past 2,081 characters (Internet Explorer's old limit of
// 2,083 with its end), whatever the browser; xdg-open on Linux takes up to
// 128 KiB, Chrome, Edge and Firefox take far more. A round bound below the
// lowest, the same on every system, so that what is sent on one is sent on
// all.
constexpr int MaxAddressLength = 2048;

using LaunchFailed = std::function<void()>;

extern Seam<void(const QString &address, const LaunchFailed &failed)> OpenAddress;

} // namespace platform

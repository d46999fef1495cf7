#pragma once
// The one way the program opens a web address: hand it to the desktop's
// default browser. The answer says whether the system took the address. On
// Linux the desktop's launcher may still fail after it started (no browser
// set up): then `failedLater` runs once, from the event loop. What the
// browser does with the page is not seen. Nothing about the address is ever
// written to a log: it may carry names and e-mail addresses. Tests record the
// addresses and choose the answer.

#include <QString>
#include <functional>

namespace platform {

using LateFailure = std::function<void()>;

// True when the system accepted the address for its browser.
bool OpenAddress(const QString &address, LateFailure failedLater = {});

using BrowserHandler = std::function<bool(const QString &address)>;
// An empty handler brings back the real launch.
void setBrowserHandler(BrowserHandler handler);

} // namespace platform

#pragma once
// The one way the program opens a web address: hand it to the desktop's
// default browser and never look at the outcome. Tests record the addresses.

#include <QString>
#include <functional>

namespace platform {

void OpenAddress(const QString &address);

using BrowserHandler = std::function<void(const QString &address)>;
// An empty handler brings back the real launch.
void setBrowserHandler(BrowserHandler handler);

} // namespace platform

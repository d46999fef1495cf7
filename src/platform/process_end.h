#pragma once
// Ending the process. The real end leaves every event loop, nested ones
// included, so the program returns from main() with the status given; tests
// replace it to see the end without losing their own process.

#include <functional>

namespace platform {

void EndProcess(int status);

using ProcessEndHandler = std::function<void(int status)>;
// An empty handler brings back the real end.
void setProcessEndHandler(ProcessEndHandler handler);

} // namespace platform

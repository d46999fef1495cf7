#pragma once
// Ending the process. The real end leaves every event loop, nested ones
// included, so the program returns from main() with the status given; tests
// replace it to see the end without losing their own process.

#include <functional>

namespace platform {

void EndProcess(int status);

// True from the first EndProcess on; code that resumes after a wait checks it
// so that nothing acts once the program is on its way out.
bool ProcessEnding();

using ProcessEndHandler = std::function<void(int status)>;
// An empty handler brings back the real end. Setting a handler also clears the
// ending state, so each test starts from a running program.
void setProcessEndHandler(ProcessEndHandler handler);

} // namespace platform

#pragma once
// Ending the process. The real end leaves every event loop, nested ones
// included, so the program returns from main() with the status given; tests
// replace it to see the end without losing their own process.

#include "seam.h"

namespace platform {

extern Seam<void(int status)> EndProcess;

} // namespace platform

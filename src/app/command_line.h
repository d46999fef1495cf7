#pragma once
// The options a terminal user may give: --help, --version and --reading, which
// end at once without a display, and the options Qt itself takes for the
// windows (-platform, -style, ...), which pass through.

#include <optional>

// Runs the command line. Returns the exit status when it has been dealt with
// here (help, version, a reading, or a mistake); nothing when the window
// program should start.
std::optional<int> RunCommandLine(int argc, char *argv[]);

#pragma once
// The options a terminal user may give: --help, --version and --reading, which
// end at once without a display, and the options Qt itself takes for the
// windows (-platform, -style, ...), which are handed on to Qt.

#include <QByteArrayList>
#include <optional>
#include <vector>

// The arguments for the application object: the program's name, then each of
// Qt's options that was given, in the form Qt reads ("-platform xcb", where
// the command line may have said "--platform=xcb").
struct QtArguments
{
    QByteArrayList text;
    std::vector<char *> argv;
    int argc = 0;
};

// Runs the command line. Returns the exit status when it has been dealt with
// here (help, version, a reading, or a mistake); nothing, with Qt's arguments
// filled in, when the window program should start.
std::optional<int> RunCommandLine(int argc, char *argv[], QtArguments &qt);

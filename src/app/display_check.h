#pragma once
// Without a display the windows cannot open, and Qt would abort with its
// platform-plugin message, which reads like a crash. These say so in one line
// that points to --reading, and end the program with status 1.

// Looks, before any window exists, at the environment and at the -platform
// and -display options. False, once the line is written, when there is
// plainly no display to open windows on.
bool DisplayAvailable(int argc, char *argv[]);

// From Watch to Opened, Qt's failure to open its display ends the program
// with the same kind of line; Qt's own messages of that time are held back
// and shown only when the display opens after all.
void WatchDisplayOpening(const char *argv0);
void DisplayOpened();

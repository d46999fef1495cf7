#pragma once
// Where the answers to --help, --version, --reading and to mistakes in the
// command line are written.

#include <QString>

// Gives the program the console it was started from, when it has none of its
// own: a Windows GUI program starts without one even from cmd.exe or
// PowerShell. Streams already set (redirected to a file or a pipe) are kept.
void AttachParentConsole();

// A mistake in the command line, on standard error; on Windows, started from
// a shortcut with no console to write to, in a message box instead, so that
// it reaches the user all the same.
void TellMistake(const QString &text);

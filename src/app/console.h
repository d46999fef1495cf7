#pragma once
// Where the answers to --help, --version, --reading and to mistakes in the
// command line are written.

#include <QString>

// Gives the program the console it was started from, when it has none of its
// own: a Windows GUI program starts without one even from cmd.exe or
// PowerShell, or from brewlore.com, which hands on its console's handles.
// Streams already set (redirected to a file or a pipe) are kept.
void AttachParentConsole();

// Text for standard output or standard error. A Windows console takes it as
// wide characters, so that every letter shows whatever its code page; a
// terminal, a file or a pipe takes UTF-8. False when it could not be written
// (a full disk, a closed stream).
bool WriteOut(const QString &text);
bool WriteError(const QString &text);

// A mistake in the command line, on standard error; on Windows, started from
// a shortcut with no console to write to, in a message box instead, so that
// it reaches the user all the same.
void TellMistake(const QString &text);

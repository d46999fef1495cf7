#pragma once
// Where the answers to --help, --version, --reading and to mistakes in the
// command line are written.

// Gives the program the console it was started from, when it has none of its
// own: a Windows GUI program starts without one even from cmd.exe or
// PowerShell. Streams already set (redirected to a file or a pipe) are kept.
void AttachParentConsole();

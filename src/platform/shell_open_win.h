#pragma once
// Windows shell document launch, kept free of Qt so that it compiles on its own.

// True when the shell accepted the address.
bool ShellOpenAddress(const char *address);

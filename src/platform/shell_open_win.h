#pragma once
// Windows shell document launch, kept free of Qt so that it compiles on its own.

// True when the shell accepted the address, given in UTF-16.
bool ShellOpenAddress(const wchar_t *address);

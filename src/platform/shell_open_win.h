#pragma once
// Windows shell document launch, kept free of Qt so that it compiles on its own.

void ShellOpenAddress(const char *address);

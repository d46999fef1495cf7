#include "console.h"

// The streams of the terminal or the redirects are the program's from its start.
void AttachParentConsole() {}

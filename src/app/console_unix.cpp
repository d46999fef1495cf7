#include "console.h"

#include <QTextStream>
#include <cstdio>

// The streams of the terminal or the redirects are the program's from its start.
void AttachParentConsole() {}

void TellMistake(const QString &text) { QTextStream(stderr) << text; }

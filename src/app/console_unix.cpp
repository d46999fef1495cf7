#include "console.h"

#include <QTextStream>
#include <cstdio>

namespace {

bool write(FILE *stream, const QString &text)
{
    QTextStream out(stream);
    out << text;
    out.flush();
    return out.status() == QTextStream::Ok && std::fflush(stream) == 0;
}

} // namespace

// The streams of the terminal or the redirects are the program's from its start.
void AttachParentConsole() {}

bool WriteOut(const QString &text) { return write(stdout, text); }

bool WriteError(const QString &text) { return write(stderr, text); }

void TellMistake(const QString &text) { WriteError(text); }

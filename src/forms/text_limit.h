#pragma once
// A bound on the length of a multi-line box, which unlike a line box has
// none of its own. Text that would pass it, typed, pasted or set, is cut
// where it came in, as a line box cuts it.

class QPlainTextEdit;

namespace forms {

// The box holds at most maxLength UTF-16 code units, a line break counting one.
void limitLength(QPlainTextEdit *box, int maxLength);

} // namespace forms

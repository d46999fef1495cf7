#pragma once
// Bounds on the length of the referral form's boxes. A multi-line box has
// none of its own: text that would pass it, typed, pasted or set, is cut
// where it came in, as a line box cuts it. A line box cuts by UTF-16 code
// units and may keep the first half of a character outside the Basic
// Multilingual Plane (an emoji); that half is dropped.

class QLineEdit;
class QPlainTextEdit;

namespace forms {

// The box holds at most maxLength UTF-16 code units, a line break counting one.
void limitLength(QPlainTextEdit *box, int maxLength);

// The box holds at most maxLength UTF-16 code units, and only whole characters.
void limitLength(QLineEdit *box, int maxLength);

} // namespace forms

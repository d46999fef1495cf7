#pragma once
// Modal message boxes, always titled "Brewlore". Tests replace the real box
// with one that records the text and answers for the user.

#include "seam.h"

#include <QString>

namespace platform {

// The flag and answer values of the classic message-box API, which callers
// combine as the program always has.
enum MsgBoxFlags : int {
    vbYesNo = 4,
    vbCritical = 16,
    vbInformation = 64,
};
enum MsgBoxResult : int { vbOK = 1, vbYes = 6, vbNo = 7 };

extern const char *const ApplicationTitle;

// Shows the box and answers vbOK, vbYes or vbNo.
extern Seam<int(const QString &text, int flags)> MsgBox;

} // namespace platform

#pragma once
// Modal message boxes, always titled "Brewlore". Tests replace the real box
// with a handler that records the text and answers for the user.

#include <QString>
#include <functional>

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

int MsgBox(const QString &text, int flags);

using MessageBoxHandler = std::function<int(const QString &text, int flags)>;
// An empty handler brings back the real box.
void setMessageBoxHandler(MessageBoxHandler handler);

} // namespace platform

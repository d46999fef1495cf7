#pragma once
// Today's date and the waits of the "Please Wait" animation. The wait runs
// the event loop, so windows repaint, menus open and clicks are handled
// while it lasts; tests fix "today" through a source.

#include <QDate>
#include <functional>

namespace platform {

QDate Today();

using DateSource = std::function<QDate()>;
void setDateSource(DateSource source); // empty brings back the real date

// Processes events for the given time, then returns. Returns at once when the
// process is ending.
void WaitMilliseconds(int milliseconds);

} // namespace platform

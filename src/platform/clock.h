#pragma once
// Today's date and the waits of the "Please Wait" animation. The wait runs
// the event loop, so windows repaint, menus open and clicks are handled
// while it lasts; tests fix "today" through a source.

#include <QDate>
#include <QElapsedTimer>
#include <functional>

namespace platform {

QDate Today();

using DateSource = std::function<QDate()>;
void setDateSource(DateSource source); // empty brings back the real date

// Processes events for the given time, then returns. Returns at once when the
// process is ending.
void WaitMilliseconds(int milliseconds);

// The waits of one animation, kept to its own timetable: each pause ends a
// whole number of seconds after the previous step was due, so the few
// milliseconds that every wake-up and repaint take do not add up from step
// to step. A pause that begins more than half its length late (held up by a
// second animation run inside this one) starts the timetable afresh, so it
// still lasts its full length.
class PauseSchedule
{
public:
    PauseSchedule();
    void Pause(int seconds);

private:
    QElapsedTimer m_clock; // monotonic: midnight and clock changes do not matter
    qint64 m_due = 0;      // when the last step was due, in ms since the start
};

} // namespace platform

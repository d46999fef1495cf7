#pragma once
// Today's date and the waits of the "Please Wait" animation. The wait runs
// the event loop, so windows repaint, menus open and clicks are handled
// while it lasts. Tests fix "today" through a source and replace the pause
// clock with one whose time they move themselves.

#include <QDate>
#include <QtGlobal>
#include <functional>

namespace platform {

QDate Today();

using DateSource = std::function<QDate()>;
void setDateSource(DateSource source); // empty brings back the real date

// The clock the animation's pauses read and wait on. The real one is
// monotonic, so midnight and changes of the system time do not matter, and
// waits in a local event loop until a precise timer fires.
class PauseClock
{
public:
    virtual ~PauseClock() = default;
    virtual qint64 NowMilliseconds() = 0;
    // Processes events until the time has passed, or until every event loop
    // is told to end.
    virtual void Wait(int milliseconds) = 0;
};

// Null brings back the real clock.
void setPauseClock(PauseClock *clock);

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
    qint64 m_start;   // when the schedule began, on the pause clock
    qint64 m_due = 0; // when the last step was due, in ms since the start
};

} // namespace platform

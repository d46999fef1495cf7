#pragma once
// The waits of the "Please Wait" animation. A wait runs the event loop, so
// windows repaint, menus open and clicks are handled while it lasts. Tests
// replace the clock's two functions with a clock whose time they move
// themselves.

#include "seam.h"

#include <QtGlobal>

namespace platform {

// Milliseconds on the clock the pauses read. The real clock is monotonic, so
// midnight and changes of the system time do not matter.
extern Seam<qint64()> MonotonicMilliseconds;

// Processes events until the time has passed on that clock, or until every
// event loop is told to end. The real one waits in a local event loop until a
// precise timer fires.
extern Seam<void(int milliseconds)> WaitWithEvents;

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

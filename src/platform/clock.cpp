#include "clock.h"

#include "process_end.h"

#include <QEventLoop>
#include <QTimer>

namespace platform {

namespace {

DateSource &dateSource()
{
    static DateSource s;
    return s;
}

} // namespace

QDate Today() { return dateSource() ? dateSource()() : QDate::currentDate(); }

void setDateSource(DateSource s) { dateSource() = std::move(s); }

void WaitMilliseconds(int milliseconds)
{
    if (ProcessEnding())
        return;
    QEventLoop loop;
    // A coarse timer may fire up to 5 % early; the animation's seconds must be whole.
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

PauseSchedule::PauseSchedule() { m_clock.start(); }

void PauseSchedule::Pause(int seconds)
{
    const qint64 length = qint64(seconds) * 1000;
    const qint64 now = m_clock.elapsed();
    if (now - m_due > length / 2)
        m_due = now;
    m_due += length;
    WaitMilliseconds(int(m_due - now));
}

} // namespace platform

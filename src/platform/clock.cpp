#include "clock.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace platform {

namespace {

DateSource &dateSource()
{
    static DateSource s;
    return s;
}

class RealPauseClock : public PauseClock
{
public:
    RealPauseClock() { m_timer.start(); }
    qint64 NowMilliseconds() override { return m_timer.elapsed(); }
    void Wait(int milliseconds) override
    {
        QEventLoop loop;
        // A coarse timer may fire up to 5 % early; the animation's seconds must be whole.
        QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec();
    }

private:
    QElapsedTimer m_timer;
};

PauseClock *replacement = nullptr;

PauseClock &pauseClock()
{
    static RealPauseClock real;
    return replacement ? *replacement : real;
}

} // namespace

QDate Today() { return dateSource() ? dateSource()() : QDate::currentDate(); }

void setDateSource(DateSource s) { dateSource() = std::move(s); }

void setPauseClock(PauseClock *clock) { replacement = clock; }

PauseSchedule::PauseSchedule() : m_start(pauseClock().NowMilliseconds()) {}

void PauseSchedule::Pause(int seconds)
{
    const qint64 length = qint64(seconds) * 1000;
    const qint64 now = pauseClock().NowMilliseconds() - m_start;
    if (now - m_due > length / 2)
        m_due = now;
    m_due += length;
    pauseClock().Wait(int(m_due - now));
}

} // namespace platform

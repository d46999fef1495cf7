#include "pause.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace platform {

namespace {

qint64 elapsed()
{
    static const QElapsedTimer timer = [] {
        QElapsedTimer started;
        started.start();
        return started;
    }();
    return timer.elapsed();
}

void wait(int milliseconds)
{
    QEventLoop loop;
    // A coarse timer may fire up to 5 % early; the animation's seconds must be whole.
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

Seam<qint64()> MonotonicMilliseconds(&elapsed);
Seam<void(int milliseconds)> WaitWithEvents(&wait);

PauseSchedule::PauseSchedule() : m_start(MonotonicMilliseconds()) {}

void PauseSchedule::Pause(int seconds)
{
    const qint64 length = qint64(seconds) * 1000;
    const qint64 now = MonotonicMilliseconds() - m_start;
    if (now - m_due > length / 2)
        m_due = now;
    m_due += length;
    WaitWithEvents(int(m_due - now));
}

} // namespace platform

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

} // namespace platform

#pragma once
// A pause clock whose time moves only when the test lets it. A wait, or
// advance(), lets the event loop run and then jumps the clock straight to the
// next thing that is due: a pause ending, or an action the test put at a
// moment with at(). Everything due at the same moment runs in the order it
// was put there. So a four-second animation plays in milliseconds, each step
// lands on its exact millisecond, and nested waits end in the order real
// timers would end them.

#include "platform/pause.h"

#include <QEventLoop>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <map>

class TestClock
{
public:
    TestClock()
    {
        platform::MonotonicMilliseconds.replace([this] { return m_now; });
        platform::WaitWithEvents.replace([this](int milliseconds) { advance(milliseconds); });
    }
    ~TestClock()
    {
        platform::MonotonicMilliseconds.replace({});
        platform::WaitWithEvents.replace({});
    }
    TestClock(const TestClock &) = delete;
    TestClock &operator=(const TestClock &) = delete;

    // Runs `action` when the clock reaches `when` (milliseconds on this clock).
    void at(qint64 when, std::function<void()> action)
    {
        m_due.emplace(when, std::move(action));
        kick();
    }

    // Lets the given time pass, running whatever falls due meanwhile.
    void advance(qint64 milliseconds)
    {
        QEventLoop loop;
        const QPointer<QEventLoop> waiting(&loop);
        // The loop may end early (every event loop told to end): then the wake-up finds nothing.
        at(m_now + milliseconds, [waiting] {
            if (waiting)
                waiting->quit();
        });
        loop.exec();
    }

    qint64 now() const { return m_now; }

private:
    // Jumps once the events that are already queued have been handled, so
    // that whatever they start is on its way before time moves on.
    void kick()
    {
        if (m_kicked)
            return;
        m_kicked = true;
        QTimer::singleShot(0, &m_context, [this] { step(); });
    }

    void step()
    {
        m_kicked = false;
        if (m_due.empty())
            return;
        auto first = m_due.begin();
        m_now = std::max(m_now, first->first);
        std::function<void()> action = std::move(first->second);
        m_due.erase(first);
        if (!m_due.empty())
            kick();
        action();
    }

    qint64 m_now = 0;
    std::multimap<qint64, std::function<void()>> m_due;
    bool m_kicked = false;
    QObject m_context;
};

#pragma once
// Test doubles for the platform layer: every message box, browser launch and
// process end is recorded instead of happening, and random values, dates and
// answers can be fed in. One Seams object per test; its destructor restores
// the real services.

#include "platform/browser.h"
#include "platform/calendar.h"
#include "platform/message_box.h"
#include "platform/process_end.h"
#include "platform/random.h"

#include <QApplication>
#include <QEvent>
#include <QList>
#include <QStringList>
#include <QWidget>
#include <deque>
#include <random>

struct ShownMessage
{
    QString text;
    int flags;
};

class Seams
{
public:
    Seams()
    {
        platform::MsgBox.replace([this](const QString &text, int flags) {
            messages.append({text, flags});
            return answer;
        });
        platform::OpenAddress.replace(
            [this](const QString &address, const platform::LaunchFailed &failed) {
                launches.append(address);
                if (!browserOpens && failed)
                    failed();
            });
        platform::EndProcess.replace([this](int status) { endStatuses.append(status); });
    }
    ~Seams()
    {
        platform::MsgBox.replace({});
        platform::OpenAddress.replace({});
        platform::EndProcess.replace({});
        platform::Rnd.replace({});
        platform::Today.replace({});
    }
    Seams(const Seams &) = delete;
    Seams &operator=(const Seams &) = delete;

    // The generator yields these values first, then values of a fixed sequence.
    void feedRandom(std::initializer_list<float> values)
    {
        queued.insert(queued.end(), values.begin(), values.end());
        platform::Rnd.replace([this] {
            if (queued.empty())
                return float(fallback() >> 8) * 0x1p-24f;
            const float r = queued.front();
            queued.pop_front();
            return r;
        });
    }

    void fixToday(QDate today)
    {
        platform::Today.replace([today] { return today; });
    }

    QStringList launches;
    QList<ShownMessage> messages;
    QList<int> endStatuses;
    int answer = platform::vbOK;
    bool browserOpens = true; // false: every launch fails

private:
    std::deque<float> queued;
    std::mt19937 fallback{20261208u};
};

// Runs the deletions that closed windows have asked for.
inline void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

// Top-level windows that are still visible, by object name.
inline QStringList visibleWindows()
{
    QStringList names;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible())
            names.append(w->objectName());
    names.sort();
    return names;
}

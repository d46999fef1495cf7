#include "memory_probe.h"

#include "app/forms_registry.h"
#include "platform/pause.h"
#include "reveal_probe.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFile>
#include <malloc.h>

namespace bench {

namespace {

long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

MemoryAfterReadings measure(int readings)
{
    // Whatever is due to be deleted goes first.
    Settle(50);
    return {readings, long(mallinfo2().uordblks / 1024), residentKiB()};
}

void playReading(FormsRegistry &forms)
{
    forms.Main()->findChild<QAbstractButton *>(QStringLiteral("picCoffeePot"))->click();
    forms.Display()->findChild<QAbstractButton *>(QStringLiteral("cmdOK"))->click();
    Settle(1); // the closed reading window is deleted
}

} // namespace

ReadingMemory ProbeReadingMemory(FormsRegistry &forms, int few, int many)
{
    // The pauses end at once: each wait runs the events that are due and
    // moves the clock on by its length.
    qint64 now = 0;
    platform::MonotonicMilliseconds.replace([&now] { return now; });
    platform::WaitWithEvents.replace([&now](int milliseconds) {
        QCoreApplication::processEvents();
        now += milliseconds;
    });
    ReadingMemory memory;
    int played = 0;
    for (; played < few; ++played)
        playReading(forms);
    memory.few = measure(played);
    for (; played < many; ++played)
        playReading(forms);
    memory.many = measure(played);
    platform::MonotonicMilliseconds.replace({});
    platform::WaitWithEvents.replace({});
    return memory;
}

} // namespace bench

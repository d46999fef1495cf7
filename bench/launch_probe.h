#pragma once
// Measures the program users run from outside, on the X server it draws on:
// it starts the real executable, and a bare Qt window as a yardstick, sees
// each main window mapped, reads the process's peak resident memory from
// /proc, clicks the coffee pot and sees the reading window mapped. The only
// help it asks of the program is its start-up trace (platform/startup_trace.h),
// which the program writes when the environment asks for it.

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace bench {

// One program's starts: how long each took to map its main window, and its
// peak resident memory (VmHWM, KiB) once that window had painted.
struct StartFigures
{
    // Milliseconds from just before the process was spawned (so a little
    // before it started) until its main window was mapped, one per start.
    QList<double> shownMs;
    QList<long> peakKiB;
    // For the program: milliseconds from the same moment until each mark of
    // its start-up trace, and last until the mapping, each in the order first seen.
    QStringList markOrder;
    QHash<QString, QList<double>> marksMs;

    void addMark(const QString &mark, double ms)
    {
        if (!marksMs.contains(mark))
            markOrder.append(mark);
        marksMs[mark].append(ms);
    }
};

// The last mark of a traced start: the X server maps the main window.
inline const QString MappedMark = QStringLiteral("main window mapped (seen from outside)");

struct LaunchResults
{
    StartFigures bare;      // the bare Qt window, the yardstick
    StartFigures brewlore;  // the program users run, each start its first
    StartFigures returning; // the same, started before: its settings exist
    // Milliseconds from the synthetic click until the reading window was
    // mapped, and the peak resident memory then, in KiB.
    double readingAfterClickMs = -1;
    long peakAfterReadingKiB = -1;
    QString error; // empty when every figure was taken
};

// Starts the bare window and the program `starts` times each, interleaved and
// in alternating order, each with fresh runtime and settings folders under
// scratchDir; the program's last start also plays one reading. Between them,
// the program starts as it does for a user who has run it before: with the
// settings folder an earlier start left.
LaunchResults ProbeLaunches(const QString &brewlore, const QString &bareWindow, int starts,
                            const QString &scratchDir);

} // namespace bench

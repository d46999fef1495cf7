#pragma once
// Measures the program users run from outside, on the X server it draws on:
// it starts the real executable, sees its main window mapped, clicks the
// coffee pot, sees the reading window mapped and reads the process's peak
// resident memory from /proc. Nothing is added to the program for this.

#include <QList>
#include <QString>

namespace bench {

struct LaunchResults
{
    // Milliseconds from just before the process was spawned (so a little
    // before it started) until its main window was mapped, one per start.
    QList<double> mainShownMs;
    // Milliseconds from the synthetic click until the reading window was
    // mapped, and the peak resident memory (VmHWM) then, in KiB.
    double readingAfterClickMs = -1;
    long peakKiB = -1;
    QString error; // empty when every figure was taken
};

// Starts the program `starts` times, each with fresh runtime and settings
// folders under scratchDir; the last start also plays one reading.
LaunchResults ProbeLaunches(const QString &executable, int starts, const QString &scratchDir);

} // namespace bench

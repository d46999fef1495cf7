// brewlore_bench: processor time and timing of the reveal with the program's
// event-loop pause against a spinning pause, and the real program's start-up
// time and peak memory beside those of a bare Qt window, then the memory after
// 10 and after 300 readings, side by side. scripts/bench.sh builds it and runs
// it under Xvfb.

#include "app/forms_registry.h"
#include "launch_probe.h"
#include "memory_probe.h"
#include "reveal_probe.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <unistd.h>

using namespace bench;

namespace {

constexpr int Starts = 31; // of each program; odd, so the median is one start
constexpr double CpuTargetMs = 40;
constexpr double StepTargetMs = 15;
constexpr double StartTargetMs = 150;
constexpr double StartRatioTarget = 1.15; // of the bare window's median
constexpr double MemoryAboveBareMiB = 3;
constexpr double MemoryTargetMB = 40;
constexpr int FewReadings = 10;
constexpr int ManyReadings = 300;
constexpr double GrowthPerReadingTargetKiB = 0.5;

template <typename T> double median(QList<T> values)
{
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    return n % 2 ? double(values[n / 2]) : (double(values[n / 2 - 1]) + double(values[n / 2])) / 2;
}

QByteArray procField(const char *file, const char *key)
{
    QFile f{QString::fromLatin1(file)};
    if (!f.open(QIODevice::ReadOnly))
        return {};
    for (const QByteArray &line : f.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(line.indexOf(':') + 1).trimmed();
    }
    return {};
}

QString machine()
{
    const double memGiB =
        procField("/proc/meminfo", "MemTotal").split(' ').value(0).toDouble() / (1024.0 * 1024.0);
    return QStringLiteral("%1, %2 cores, %3 GiB memory; Qt %4 on %5 (DISPLAY %6)")
        .arg(QString::fromLatin1(procField("/proc/cpuinfo", "model name")))
        .arg(sysconf(_SC_NPROCESSORS_ONLN))
        .arg(memGiB, 0, 'f', 1)
        .arg(QLatin1String(qVersion()), QGuiApplication::platformName(),
             qEnvironmentVariable("DISPLAY"));
}

// How far a step came after its due time: painted if it was, else shown.
double lateness(const StepTimes &step, int index)
{
    const double at = step.paintedMs >= 0 ? step.paintedMs : step.shownMs;
    return at < 0 ? NAN : at - index * 1000.0;
}

double largestDifference(const RevealRun &run)
{
    double largest = 0;
    for (int i = 0; i < StepCount; ++i) {
        const double late = lateness(run.steps[size_t(i)], i);
        if (std::isnan(late))
            return NAN;
        largest = std::max(largest, std::fabs(late));
    }
    return largest;
}

QString ms(double value, int decimals = 1)
{
    return std::isnan(value) || value < 0 ? QStringLiteral("-")
                                          : QString::number(value, 'f', decimals);
}

QString each(const QList<double> &values)
{
    QStringList texts;
    for (double value : values)
        texts << ms(value, 0);
    return texts.join(QStringLiteral(", "));
}

QString stepCell(const StepTimes &step, int index)
{
    const auto offset = [index](double at) {
        return at < 0 ? QStringLiteral("-") : QString::asprintf("%+.1f", at - index * 1000.0);
    };
    return offset(step.shownMs) + QStringLiteral(" / ") + offset(step.paintedMs);
}

void row(const QString &label, const QString &a, const QString &b, const QString &c,
         const QString &target = {}, const QString &verdict = {})
{
    std::printf("%-46s %16s %16s %16s   %-8s %s\n", qPrintable(label), qPrintable(a), qPrintable(b),
                qPrintable(c), qPrintable(target), qPrintable(verdict));
}

void line(const QString &label, const QString &value, const QString &target = {},
          const QString &verdict = {})
{
    std::printf("%-46s %-50s   %-8s %s\n", qPrintable(label), qPrintable(value), qPrintable(target),
                qPrintable(verdict));
}

QString verdict(bool met) { return met ? QStringLiteral("met") : QStringLiteral("MISSED"); }

// The program's own start-up marks, then the mapping seen from outside.
void printMarks(const LaunchResults &launch)
{
    if (launch.returning.markOrder.isEmpty() && launch.brewlore.markOrder.isEmpty())
        return;
    std::printf("\nWhere Brewlore's start goes (median ms after the spawn, from its start-up "
                "trace):\n");
    row({}, QStringLiteral("first start"), QStringLiteral("later start"), {});
    const QStringList &order = launch.returning.markOrder.isEmpty() ? launch.brewlore.markOrder
                                                                    : launch.returning.markOrder;
    for (const QString &mark : order) {
        const auto at = [&mark](const StartFigures &figures) {
            const QList<double> times = figures.marksMs.value(mark);
            return times.isEmpty() ? NAN : median(times);
        };
        row(QStringLiteral("  ") + mark, ms(at(launch.brewlore)), ms(at(launch.returning)), {});
    }
    std::printf("\n");
}

void printTable(const RevealRun &first, const RevealRun &later, const RevealRun &spinning,
                const LaunchResults &launch)
{
    std::printf("Brewlore benchmark\nMachine: %s\n\n", qPrintable(machine()));
    row({}, QStringLiteral("event loop"), QStringLiteral("event loop"), QStringLiteral("spinning"),
        QStringLiteral("target"));
    row({}, QStringLiteral("first reveal"), QStringLiteral("later reveal"),
        QStringLiteral("(baseline)"));
    row(QStringLiteral("Processor time of one reveal (ms)"), ms(first.cpuMs), ms(later.cpuMs),
        ms(spinning.cpuMs), QStringLiteral("< 40"),
        verdict(first.cpuMs < CpuTargetMs && later.cpuMs < CpuTargetMs));
    row(QStringLiteral("Wall time of one reveal (ms)"), ms(first.wallMs), ms(later.wallMs),
        ms(spinning.wallMs));
    row(QStringLiteral("Processor time, spinning / event loop"), {}, {},
        QString::number(spinning.cpuMs / later.cpuMs, 'f', 0) + QStringLiteral(" x"));
    std::printf("Each step after its due time (ms, shown / painted):\n");
    const QString stepNames[StepCount] = {
        QStringLiteral("  dot 1, due at 0 s"), QStringLiteral("  dot 2, due at 1 s"),
        QStringLiteral("  dot 3, due at 2 s"), QStringLiteral("  dot 4, due at 3 s"),
        QStringLiteral("  reading window, due at 4 s")};
    for (int i = 0; i < StepCount; ++i) {
        const size_t s = size_t(i);
        row(stepNames[i], stepCell(first.steps[s], i), stepCell(later.steps[s], i),
            stepCell(spinning.steps[s], i));
    }
    const double firstLargest = largestDifference(first);
    const double laterLargest = largestDifference(later);
    row(QStringLiteral("Largest difference from a due time (ms, painted)"), ms(firstLargest),
        ms(laterLargest), ms(largestDifference(spinning)), QStringLiteral("< 15"),
        verdict(firstLargest < StepTargetMs && laterLargest < StepTargetMs));

    std::printf("\nThe program users run (%s), watched from outside,\n"
                "started %lld times beside a bare Qt window (%s), interleaved:\n\n",
                BREWLORE_EXE, static_cast<long long>(launch.brewlore.shownMs.size()),
                BARE_WINDOW_EXE);
    if (!launch.bare.shownMs.isEmpty() && !launch.brewlore.shownMs.isEmpty()) {
        const double bareStart = median(launch.bare.shownMs);
        const double brewloreStart = median(launch.brewlore.shownMs);
        const double bareMiB = median(launch.bare.peakKiB) / 1024.0;
        const double brewloreMiB = median(launch.brewlore.peakKiB) / 1024.0;
        std::printf("| Window | Median start | Peak memory |\n|---|---|---|\n");
        std::printf("| bare Qt | %s ms | %.1f MiB |\n", qPrintable(ms(bareStart)), bareMiB);
        std::printf("| Brewlore, first start | %s ms (%.2f x) | %.1f MiB |\n",
                    qPrintable(ms(brewloreStart)), brewloreStart / bareStart, brewloreMiB);
        if (!launch.returning.shownMs.isEmpty())
            std::printf("| Brewlore, started before | %s ms (%.2f x) | %.1f MiB |\n",
                        qPrintable(ms(median(launch.returning.shownMs))),
                        median(launch.returning.shownMs) / bareStart,
                        median(launch.returning.peakKiB) / 1024.0);
        std::printf("\n");
        line(QStringLiteral("  bare Qt window, each start (ms)"), each(launch.bare.shownMs));
        line(QStringLiteral("  Brewlore, each first start (ms)"), each(launch.brewlore.shownMs));
        line(QStringLiteral("  Brewlore, each later start (ms)"), each(launch.returning.shownMs));
        const double ratio = brewloreStart / bareStart;
        line(QStringLiteral("  Brewlore's first start / the bare window's"),
             QString::number(ratio, 'f', 2) + QStringLiteral(" x"),
             QStringLiteral("<= %1").arg(StartRatioTarget), verdict(ratio <= StartRatioTarget));
        if (!launch.returning.shownMs.isEmpty()) {
            const double later = median(launch.returning.shownMs) / bareStart;
            line(QStringLiteral("  Brewlore's later start / the bare window's"),
                 QString::number(later, 'f', 2) + QStringLiteral(" x"),
                 QStringLiteral("<= %1").arg(StartRatioTarget), verdict(later <= StartRatioTarget));
        }
        line(QStringLiteral("  Brewlore's peak memory above the bare window's"),
             QStringLiteral("%1 MiB").arg(brewloreMiB - bareMiB, 0, 'f', 1),
             QStringLiteral("<= 3 MiB"), verdict(brewloreMiB - bareMiB <= MemoryAboveBareMiB));
        line(QStringLiteral("  main window shown after process start (ms)"),
             QStringLiteral("median %1, worst %2")
                 .arg(ms(brewloreStart), ms(*std::max_element(launch.brewlore.shownMs.begin(),
                                                              launch.brewlore.shownMs.end()))),
             QStringLiteral("< 150"), verdict(brewloreStart < StartTargetMs));
    }
    printMarks(launch);
    if (launch.readingAfterClickMs >= 0)
        line(QStringLiteral("  reading window shown after the click (ms)"),
             ms(launch.readingAfterClickMs));
    if (launch.peakAfterReadingKiB >= 0) {
        const double mib = launch.peakAfterReadingKiB / 1024.0;
        const double mb = launch.peakAfterReadingKiB * 1024.0 / 1e6;
        line(QStringLiteral("  peak resident memory after one reading"),
             QStringLiteral("%1 MiB (%2 MB)").arg(mib, 0, 'f', 1).arg(mb, 0, 'f', 1),
             QStringLiteral("< 40 MB"), verdict(mb < MemoryTargetMB));
    }
    if (!launch.error.isEmpty())
        std::printf("  not measured: %s\n", qPrintable(launch.error));
    std::fflush(stdout);
}

// Side by side: the memory after the first few readings and after many. A
// reading that keeps something shows as growth per reading between the two.
void printMemory(const ReadingMemory &memory)
{
    std::printf("\nMemory of this process after readings through Back (KiB):\n");
    row({}, QStringLiteral("after %1").arg(memory.few.readings),
        QStringLiteral("after %1").arg(memory.many.readings), QStringLiteral("per reading"),
        QStringLiteral("target"));
    const double between = memory.many.readings - memory.few.readings;
    const auto figures = [between](const QString &label, long few, long many, bool judged) {
        const double growth = (many - few) / between;
        row(label, QString::number(few), QString::number(many), QString::number(growth, 'f', 2),
            judged ? QStringLiteral("< %1").arg(GrowthPerReadingTargetKiB) : QString(),
            judged ? verdict(growth < GrowthPerReadingTargetKiB) : QString());
    };
    figures(QStringLiteral("Heap in use (malloc)"), memory.few.heapKiB, memory.many.heapKiB, true);
    figures(QStringLiteral("Resident (VmRSS)"), memory.few.residentKiB, memory.many.residentKiB,
            false);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    // Settings and locks live in a scratch folder: neither this process nor the
    // copies it starts meet the user's own, and no update question comes up.
    QTemporaryDir scratch;
    if (!scratch.isValid()) {
        std::fprintf(stderr, "brewlore_bench: cannot make a scratch folder\n");
        return 1;
    }
    const QString own = scratch.filePath(QStringLiteral("bench"));
    QDir().mkpath(own + QStringLiteral("/runtime"));
    QDir().mkpath(own + QStringLiteral("/config"));
    QFile::setPermissions(own + QStringLiteral("/runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(own + QStringLiteral("/runtime")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(own + QStringLiteral("/config")));

    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        std::fprintf(stderr, "brewlore_bench needs an X display without a window manager; "
                             "scripts/bench.sh runs it under Xvfb\n");
        return 1;
    }

    // The real program first, while this process is idle.
    const LaunchResults launch = ProbeLaunches(
        QStringLiteral(BREWLORE_EXE), QStringLiteral(BARE_WINDOW_EXE), Starts, scratch.path());

    FormsRegistry forms;
    forms.Main()->show();
    Settle(500);
    const RevealRun first = RunReveal(forms, Pause::EventLoop);
    GoBack(forms);
    const RevealRun spinning = RunReveal(forms, Pause::Spinning);
    GoBack(forms);
    const RevealRun later = RunReveal(forms, Pause::EventLoop);
    GoBack(forms);
    const ReadingMemory memory = ProbeReadingMemory(forms, FewReadings, ManyReadings);

    printTable(first, later, spinning, launch);
    printMemory(memory);
    const bool measured = launch.error.isEmpty() && !std::isnan(largestDifference(first)) &&
                          !std::isnan(largestDifference(later)) &&
                          !std::isnan(largestDifference(spinning));
    return measured ? 0 : 1;
}

#include "reveal_probe.h"

#include "app/forms_registry.h"
#include "reading/symbol_catalogue.h"
#include "reading/symbol_draw.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QTime>
#include <QTimer>
#include <ctime>

namespace bench {

namespace {

const char *const StepNames[StepCount] = {"shp1", "shp2", "shp3", "shp4", "frmDisplay"};

double processCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// Sees every event of the application and notes when each step's widget gets
// its first Show and, after it, its first Paint.
class StepRecorder : public QObject
{
public:
    explicit StepRecorder(const QElapsedTimer &since) : m_since(since)
    {
        qApp->installEventFilter(this);
    }
    ~StepRecorder() override { qApp->removeEventFilter(this); }

    const std::array<StepTimes, StepCount> &steps() const { return m_steps; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if ((type != QEvent::Show && type != QEvent::Paint) || !watched->isWidgetType())
            return false;
        for (int i = 0; i < StepCount; ++i) {
            if (watched->objectName() != QLatin1String(StepNames[i]))
                continue;
            StepTimes &step = m_steps[size_t(i)];
            const double now = double(m_since.nsecsElapsed()) / 1e6;
            if (type == QEvent::Show && step.shownMs < 0)
                step.shownMs = now;
            else if (type == QEvent::Paint && step.shownMs >= 0 && step.paintedMs < 0)
                step.paintedMs = now;
        }
        return false;
    }

private:
    const QElapsedTimer &m_since;
    std::array<StepTimes, StepCount> m_steps;
};

double secondsSinceMidnight() { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }

// The spinning pause: the clock is read in double precision at the start and
// in single precision on every turn, and events are processed between reads.
void spinningPause(short seconds)
{
    const double start = secondsSinceMidnight();
    for (;;) {
        const float now = float(secondsSinceMidnight());
        const float end = float(start + seconds);
        if (!(end > now))
            return;
        QCoreApplication::processEvents();
    }
}

// The reveal's steps with the spinning pause, on the main window's own box and dots.
void spinningReveal(forms::frmMain *main)
{
    modSymbols::DrawSymbol();
    modSymbols::LoadSymbols();
    QWidget *picMessage = main->findChild<QWidget *>(QStringLiteral("picMessage"));
    picMessage->show();
    for (int i = 0; i < 4; ++i) {
        main->findChild<QWidget *>(QLatin1String(StepNames[i]))->show();
        spinningPause(1);
    }
    picMessage->hide();
    const int16_t symbol = modSymbols::CurrentSymbol;
    emit main->revealFinished(modSymbols::SymbolNames[symbol], modSymbols::SymbolMeanings[symbol]);
}

template <typename Done> bool settleUntil(Done done, int timeoutMs)
{
    QElapsedTimer waited;
    waited.start();
    while (!done()) {
        if (waited.elapsed() > timeoutMs)
            return false;
        Settle(5);
    }
    return true;
}

} // namespace

void Settle(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

RevealRun RunReveal(FormsRegistry &forms, Pause pause)
{
    forms::frmMain *main = forms.Main();
    auto *pot = main->findChild<QAbstractButton *>(QStringLiteral("picCoffeePot"));

    RevealRun run;
    QElapsedTimer sinceClick;
    StepRecorder recorder(sinceClick);
    const double cpuBefore = processCpuMs();
    sinceClick.start();
    // Either way the reveal runs to its end before this call returns: the
    // pauses run events, the call does not return to the caller's loop.
    if (pause == Pause::EventLoop)
        pot->click();
    else
        spinningReveal(main);
    run.cpuMs = processCpuMs() - cpuBefore;
    run.wallMs = double(sinceClick.nsecsElapsed()) / 1e6;

    // The reading window reaches the screen once events run again.
    settleUntil([&recorder] { return recorder.steps()[StepCount - 1].paintedMs >= 0; }, 2000);
    run.steps = recorder.steps();
    return run;
}

void GoBack(FormsRegistry &forms)
{
    forms.Display()->findChild<QAbstractButton *>(QStringLiteral("cmdOK"))->click();
    forms::frmMain *main = forms.Main();
    settleUntil([main] { return main->isVisible(); }, 2000);
    // The closed reading window is deleted and the main window repainted.
    Settle(300);
}

} // namespace bench

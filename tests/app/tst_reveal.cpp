#include "app/forms_registry.h"
#include "reading/modSymbols.h"
#include "support/seams.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

// The road of a reading with the real clock: the animation, the reading
// window, Back, and leaving while an animation waits.
class tst_Reveal : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void dotsKeepTime();
    void secondClickRunsInsideTheFirst();
    void closingDuringAPauseStopsTheReading();
    void leavingTheInnerReadingIsFinal();
    void backReturnsForAnotherReading();

private:
    // Show and hide events of the watched widgets, with their time since the click.
    struct Moment
    {
        QString what;
        qint64 ms;
    };
    bool eventFilter(QObject *watched, QEvent *event) override;
    void clickPot();
    qint64 when(const QString &what) const;

    std::unique_ptr<Seams> m_seams;
    std::unique_ptr<FormsRegistry> m_forms;
    QElapsedTimer m_clock;
    QList<Moment> m_moments;
};

void tst_Reveal::init()
{
    m_seams = std::make_unique<Seams>();
    m_forms = std::make_unique<FormsRegistry>();
    m_moments.clear();
    qApp->installEventFilter(this);
    m_forms->Main()->show();
}

void tst_Reveal::cleanup()
{
    qApp->removeEventFilter(this);
    m_forms.reset();
    m_seams.reset();
    flushDeletes();
    QVERIFY(visibleWindows().isEmpty());
}

bool tst_Reveal::eventFilter(QObject *watched, QEvent *event)
{
    static const QStringList watchedNames{"picMessage", "shp1",       "shp2",    "shp3",
                                          "shp4",       "frmDisplay", "frmMain", "frmNagScreen2"};
    if ((event->type() == QEvent::Show || event->type() == QEvent::Hide) &&
        watchedNames.contains(watched->objectName()) && m_clock.isValid()) {
        const QString verb = event->type() == QEvent::Show ? "show " : "hide ";
        m_moments.append({verb + watched->objectName(), m_clock.elapsed()});
    }
    return false;
}

void tst_Reveal::clickPot()
{
    m_clock.start();
    QTest::mouseClick(m_forms->Main()->findChild<QWidget *>("picCoffeePot"), Qt::LeftButton);
}

qint64 tst_Reveal::when(const QString &what) const
{
    for (const Moment &m : m_moments)
        if (m.what == what)
            return m.ms;
    return -1;
}

void tst_Reveal::dotsKeepTime()
{
    m_seams->feedRandom({0.5f});
    clickPot(); // returns when the animation is over

    // Generous for a loaded machine, tight enough to catch a missing or extra pause.
    const qint64 due[] = {0, 1000, 2000, 3000};
    for (int i = 0; i < 4; ++i) {
        const qint64 shown = when(QStringLiteral("show shp%1").arg(i + 1));
        QVERIFY2(shown >= due[i] && shown < due[i] + 500,
                 qPrintable(QStringLiteral("dot %1 at %2 ms").arg(i + 1).arg(shown)));
    }
    QVERIFY(when("show picMessage") >= 0 && when("show picMessage") < 500);
    const qint64 reading = when("show frmDisplay");
    QVERIFY2(reading >= 4000 && reading < 4600, qPrintable(QString::number(reading)));
    // Box away, main window hidden, exit window loaded hidden, then the reading.
    QVERIFY(when("hide picMessage") >= 4000 && when("hide picMessage") <= reading);
    QVERIFY(when("hide frmMain") >= 4000 && when("hide frmMain") <= reading);
    QCOMPARE(when("show frmNagScreen2"), -1);

    forms::frmDisplay *display = m_forms->Display();
    QVERIFY(display->isVisible());
    QVERIFY(!m_forms->Main()->isVisible());
    QVERIFY(m_forms->LoadedForms().contains(m_forms->NagScreen()));
    QVERIFY(!m_forms->NagScreen()->isVisible());
    QCOMPARE(modSymbols::CurrentSymbol, int16_t(40));
    QCOMPARE(display->findChild<QLabel *>("lblElement")->text(), QStringLiteral("JUDGE"));
    QCOMPARE(display->findChild<QLabel *>("lblDesc")->text(), QStringLiteral("Trial and justice"));
    QCOMPARE(display->focusWidget(), display->findChild<QWidget *>("cmdOK"));
}

void tst_Reveal::secondClickRunsInsideTheFirst()
{
    // 0.1 draws slot 8 first, the exit window loading with it takes 0.5, and
    // 0.9 draws slot 72 for the click during the second dot.
    m_seams->feedRandom({0.1f, 0.5f, 0.9f});
    QSignalSpy finished(m_forms->Main(), &forms::frmMain::revealFinished);
    QList<qint64> finishedAt;
    connect(m_forms->Main(), &forms::frmMain::revealFinished, this,
            [&] { finishedAt.append(m_clock.elapsed()); });
    QTimer::singleShot(1500, this, [this] {
        QTest::mouseClick(m_forms->Main()->findChild<QWidget *>("picCoffeePot"), Qt::LeftButton);
    });
    clickPot();

    QCOMPARE(finished.size(), 2);
    // Both animations show the last draw, and in one reading window.
    QCOMPARE(finished[0][0].toString(), QStringLiteral("SUN"));
    QCOMPARE(finished[1][0].toString(), QStringLiteral("SUN"));
    flushDeletes();
    QCOMPARE(visibleWindows(), QStringList{"frmDisplay"});
    QCOMPARE(m_forms->Display()->findChild<QLabel *>("lblElement")->text(), QStringLiteral("SUN"));
    // The inner animation ran whole inside the first pause it interrupted.
    QVERIFY(when("show frmDisplay") >= 5500 && when("show frmDisplay") < 6100);
    // The first then resumes, and its last two pauses still last a second each.
    QVERIFY2(finishedAt.value(1) >= 7500 && finishedAt.value(1) < 8200,
             qPrintable(QString::number(finishedAt.value(1))));
}

void tst_Reveal::closingDuringAPauseStopsTheReading()
{
    const QPointer<forms::frmMain> main = m_forms->Main();
    QTimer::singleShot(500, this,
                       [this] { m_forms->Main()->findChild<QAction *>("mnuExit")->trigger(); });
    clickPot();

    // The exit window came up at once, and the interrupted animation went no further.
    QVERIFY(when("show frmNagScreen2") >= 500 && when("show frmNagScreen2") < 1100);
    QTest::qWait(1200);
    flushDeletes();
    QVERIFY(main.isNull());
    QCOMPARE(when("show frmDisplay"), -1);
    QCOMPARE(when("show shp2"), -1);
    QCOMPARE(visibleWindows(), QStringList{"frmNagScreen2"});
}

void tst_Reveal::leavingTheInnerReadingIsFinal()
{
    // A second click during the second dot shows its reading at 5.5 s; the
    // user leaves it while the first animation still has two dots to go.
    QTimer::singleShot(1500, this, [this] {
        QTest::mouseClick(m_forms->Main()->findChild<QWidget *>("picCoffeePot"), Qt::LeftButton);
    });
    QTimer::singleShot(
        6000, this, [this] { m_forms->Display()->findChild<QPushButton *>("cmdExit")->click(); });
    clickPot();
    flushDeletes();
    QCOMPARE(visibleWindows(), QStringList{"frmNagScreen2"});
}

void tst_Reveal::backReturnsForAnotherReading()
{
    // The exit window, loaded by the first reading, takes the middle value.
    m_seams->feedRandom({0.0f, 0.5f, 0.99f});
    clickPot();
    const QPointer<forms::frmDisplay> first = m_forms->Display();
    QCOMPARE(first->findChild<QLabel *>("lblElement")->text(), QStringLiteral("ANCHOR"));

    first->findChild<QPushButton *>("cmdOK")->click();
    flushDeletes();
    QVERIFY(first.isNull()); // unloaded, not just hidden
    QCOMPARE(visibleWindows(), QStringList{"frmMain"});
    QVERIFY(m_forms->LoadedForms().contains(m_forms->NagScreen()));
    for (const char *dot : {"shp1", "shp2", "shp3", "shp4"})
        QVERIFY(m_forms->Main()->findChild<QWidget *>(dot)->isHidden());
    QVERIFY(m_forms->Main()->findChild<QWidget *>("picMessage")->isHidden());

    m_moments.clear();
    clickPot();
    QVERIFY(when("show shp2") >= 1000 && when("show shp2") < 1500);
    QVERIFY(when("show frmDisplay") >= 4000);
    QCOMPARE(m_forms->Display()->findChild<QLabel *>("lblElement")->text(),
             QStringLiteral("WHEEL"));
}

QTEST_MAIN(tst_Reveal)
#include "tst_reveal.moc"

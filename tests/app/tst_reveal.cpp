#include "app/forms_registry.h"
#include "reading/symbol_draw.h"
#include "support/seams.h"
#include "support/test_clock.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

// The road of a reading on the test clock: the animation, the reading window,
// Back, and leaving while an animation waits. Every step lands on its exact
// millisecond.
class tst_Reveal : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void dotsKeepTime();
    void secondClickRunsInsideTheFirst();
    void closingDuringAPauseStopsTheReading_data();
    void closingDuringAPauseStopsTheReading();
    void leavingTheInnerReadingIsFinal();
    void leavingWhileAPauseWaits_data();
    void leavingWhileAPauseWaits();
    void backReturnsForAnotherReading();
    void closeFromTheWindowSystem_data();
    void closeFromTheWindowSystem();

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
    std::unique_ptr<TestClock> m_clock;
    std::unique_ptr<FormsRegistry> m_forms;
    qint64 m_clickedAt = -1;
    QList<Moment> m_moments;
};

void tst_Reveal::init()
{
    m_seams = std::make_unique<Seams>();
    m_clock = std::make_unique<TestClock>();
    m_clickedAt = -1;
    m_forms = std::make_unique<FormsRegistry>();
    m_moments.clear();
    qApp->installEventFilter(this);
    m_forms->Main()->show();
}

void tst_Reveal::cleanup()
{
    qApp->removeEventFilter(this);
    m_forms.reset();
    m_clock.reset();
    m_seams.reset();
    flushDeletes();
    QVERIFY(visibleWindows().isEmpty());
}

bool tst_Reveal::eventFilter(QObject *watched, QEvent *event)
{
    static const QStringList watchedNames{"picMessage", "shp1",       "shp2",    "shp3",
                                          "shp4",       "frmDisplay", "frmMain", "frmNagScreen2"};
    if ((event->type() == QEvent::Show || event->type() == QEvent::Hide) &&
        watchedNames.contains(watched->objectName()) && m_clickedAt >= 0) {
        const QString verb = event->type() == QEvent::Show ? "show " : "hide ";
        m_moments.append({verb + watched->objectName(), m_clock->now() - m_clickedAt});
    }
    return false;
}

void tst_Reveal::clickPot()
{
    m_clickedAt = m_clock->now();
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

    // The box and the first dot at once, a dot a second; a second later the
    // box goes, taking its dots with it, the main window hides and the reading shows.
    const QStringList expected{"show picMessage@0", "show shp1@0",       "show shp2@1000",
                               "show shp3@2000",    "show shp4@3000",    "hide picMessage@4000",
                               "hide shp1@4000",    "hide shp2@4000",    "hide shp3@4000",
                               "hide shp4@4000",    "hide frmMain@4000", "show frmDisplay@4000"};
    QStringList seen;
    for (const Moment &m : m_moments)
        seen.append(m.what + QLatin1Char('@') + QString::number(m.ms));
    QCOMPARE(seen, expected);

    forms::frmDisplay *display = m_forms->Display();
    QVERIFY(display->isVisible());
    QVERIFY(!m_forms->Main()->isVisible());
    // The exit window was loaded on the way, and stays hidden.
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
            [&] { finishedAt.append(m_clock->now()); });
    m_clock->at(1500, [this] {
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
    // The inner animation ran whole inside the first pause it interrupted;
    // the first then resumes, and its last two pauses still last a second each.
    QCOMPARE(when("show frmDisplay"), 5500);
    QCOMPARE(finishedAt, (QList<qint64>{5500, 7500}));
}

void tst_Reveal::closingDuringAPauseStopsTheReading_data()
{
    QTest::addColumn<int>("closeAt");
    QTest::addRow("first pause") << 500;
    QTest::addRow("last pause") << 3999;
    QTest::addRow("as a pause ends") << 2000;
}

void tst_Reveal::closingDuringAPauseStopsTheReading()
{
    QFETCH(int, closeAt);
    const QPointer<forms::frmMain> main = m_forms->Main();
    m_clock->at(closeAt, [this] { m_forms->Main()->findChild<QAction *>("mnuExit")->trigger(); });
    clickPot();

    // The exit window came up at once, and the interrupted animation went no further.
    QCOMPARE(when("show frmNagScreen2"), closeAt);
    m_clock->advance(5000);
    flushDeletes();
    QVERIFY(main.isNull());
    QCOMPARE(when("show frmDisplay"), -1);
    for (const Moment &m : m_moments)
        QVERIFY2(!m.what.startsWith(QLatin1String("show")) || m.ms <= closeAt, qPrintable(m.what));
    QCOMPARE(visibleWindows(), QStringList{"frmNagScreen2"});
}

void tst_Reveal::leavingTheInnerReadingIsFinal()
{
    // A second click during the second dot shows its reading at 5.5 s; the
    // user leaves it while the first animation still has two dots to go.
    m_clock->at(1500, [this] {
        QTest::mouseClick(m_forms->Main()->findChild<QWidget *>("picCoffeePot"), Qt::LeftButton);
    });
    m_clock->at(6000, [this] { m_forms->Display()->findChild<QPushButton *>("cmdExit")->click(); });
    clickPot();
    flushDeletes();
    QCOMPARE(visibleWindows(), QStringList{"frmNagScreen2"});
    QCOMPARE(m_clock->now(), 7500);
}

void tst_Reveal::leavingWhileAPauseWaits_data()
{
    // Each way out is taken while the first animation waits in a pause; the
    // reading windows come from a second animation run inside the first.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("visibleAtTheEnd");
    QTest::addColumn<bool>("ended");
    const QStringList nag{"frmNagScreen2"};
    QTest::addRow("main window, close box") << QStringList{"close main"} << nag << false;
    QTest::addRow("main window, File, Exit") << QStringList{"main File Exit"} << nag << false;
    QTest::addRow("reading window, Exit") << QStringList{"inner", "reading Exit"} << nag << false;
    QTest::addRow("reading window, close box")
        << QStringList{"inner", "close reading"} << nag << false;
    QTest::addRow("reading window, Esc") << QStringList{"inner", "reading Esc"} << nag << false;
    QTest::addRow("reading window, File, Exit")
        << QStringList{"inner", "reading File Exit"} << nag << false;
    QTest::addRow("exit window, E&xit")
        << QStringList{"close main", "exit window Exit"} << QStringList{} << true;
    QTest::addRow("exit window, close box")
        << QStringList{"close main", "close exit window"} << QStringList{} << true;
    QTest::addRow("reading, then exit window")
        << QStringList{"inner", "reading Exit", "exit window Exit"} << QStringList{} << true;
}

void tst_Reveal::leavingWhileAPauseWaits()
{
    QFETCH(QStringList, steps);
    FormsRegistry &forms = *m_forms;
    const auto child = [](QWidget *window, const char *name) {
        return window->findChild<QWidget *>(QLatin1String(name));
    };
    const QHash<QString, std::function<void()>> act{
        {"inner", [&] { QTest::mouseClick(child(forms.Main(), "picCoffeePot"), Qt::LeftButton); }},
        {"close main", [&] { forms.Main()->close(); }},
        {"main File Exit", [&] { forms.Main()->findChild<QAction *>("mnuExit")->trigger(); }},
        {"reading Exit",
         [&] { QTest::mouseClick(child(forms.Display(), "cmdExit"), Qt::LeftButton); }},
        {"close reading", [&] { forms.Display()->close(); }},
        {"reading Esc", [&] { QTest::keyClick(forms.Display(), Qt::Key_Escape); }},
        {"reading File Exit", [&] { forms.Display()->findChild<QAction *>("mnuExit")->trigger(); }},
        {"exit window Exit",
         [&] { QTest::mouseClick(child(forms.NagScreen(), "cmdClose"), Qt::LeftButton); }},
        {"close exit window", [&] { forms.NagScreen()->close(); }},
    };
    // The inner animation starts during the first pause and shows its reading
    // at 5.5 s; every other step comes while the first animation still waits.
    qint64 when = 500;
    for (const QString &step : steps) {
        QVERIFY2(act.contains(step), qPrintable(step));
        m_clock->at(when, act.value(step));
        when = step == QLatin1String("inner") ? 6000 : when + 300;
    }
    clickPot();
    m_clock->advance(10000);
    flushDeletes();

    QTEST(visibleWindows(), "visibleAtTheEnd");
    // Once the user has left, no reading comes (back) up.
    qint64 lastShown = -1;
    for (const Moment &m : m_moments)
        if (m.what == QLatin1String("show frmDisplay"))
            lastShown = m.ms;
    QVERIFY(lastShown <= 5500);
    QFETCH(bool, ended);
    QCOMPARE(m_seams->endStatuses, ended ? QList<int>{0} : QList<int>{});
    if (ended)
        QVERIFY(m_forms->LoadedForms().isEmpty());
}

void tst_Reveal::backReturnsForAnotherReading()
{
    // The exit window, loaded by the first reading, takes the middle value.
    m_seams->feedRandom({0.0f, 0.5f, 0.99f});
    clickPot();
    const QPointer<forms::frmDisplay> first = m_forms->Display();
    QCOMPARE(first->findChild<QLabel *>("lblElement")->text(), QStringLiteral("ANCHOR"));

    first->findChild<QPushButton *>("cmdOK")->click();
    // Back loads the exit window's show and hide requests into one: it never
    // reaches the screen, not even for an instant.
    QCOMPARE(when("show frmNagScreen2"), -1);
    flushDeletes();
    QVERIFY(first.isNull()); // unloaded, not just hidden
    QCOMPARE(visibleWindows(), QStringList{"frmMain"});
    QVERIFY(m_forms->LoadedForms().contains(m_forms->NagScreen()));
    for (const char *dot : {"shp1", "shp2", "shp3", "shp4"})
        QVERIFY(m_forms->Main()->findChild<QWidget *>(dot)->isHidden());
    QVERIFY(m_forms->Main()->findChild<QWidget *>("picMessage")->isHidden());

    m_moments.clear();
    clickPot();
    QCOMPARE(when("show shp1"), 0);
    QCOMPARE(when("show shp2"), 1000);
    QCOMPARE(when("show frmDisplay"), 4000);
    QCOMPARE(m_forms->Display()->findChild<QLabel *>("lblElement")->text(),
             QStringLiteral("WHEEL"));
}

void tst_Reveal::closeFromTheWindowSystem_data()
{
    // When the window system's close (the title bar's box, WM_DELETE_WINDOW)
    // reaches the main window, in milliseconds after the click.
    QTest::addColumn<int>("at");
    QTest::addColumn<bool>("honoured");
    QTest::addRow("during the last pause") << 3999 << true;
    QTest::addRow("as the reading replaces it") << 4000 << false;
    QTest::addRow("60 ms after") << 4060 << false;
}

void tst_Reveal::closeFromTheWindowSystem()
{
    QFETCH(int, at);
    QFETCH(bool, honoured);
    const QPointer<forms::frmMain> main = m_forms->Main();
    QWindow *window = main->windowHandle();
    // A close sent to the native window reaches the widget as the window
    // system's own, spontaneous close.
    const auto close = [window] {
        QCloseEvent event;
        QCoreApplication::sendEvent(window, &event);
    };
    if (at < 4000)
        m_clock->at(at, close);
    clickPot();
    if (at >= 4000) {
        m_clock->advance(at - 4000);
        close();
    }
    m_clock->advance(2000);
    flushDeletes();

    if (honoured) {
        QVERIFY(main.isNull());
        QCOMPARE(visibleWindows(), QStringList{"frmNagScreen2"});
        return;
    }
    // The user could not see the window, so could not have closed it: the
    // reading stays, and Back brings back the same main window.
    QCOMPARE(visibleWindows(), QStringList{"frmDisplay"});
    QVERIFY(!main.isNull());
    QVERIFY(m_forms->LoadedForms().contains(main.data()));
    m_forms->Display()->findChild<QPushButton *>("cmdOK")->click();
    flushDeletes();
    QCOMPARE(visibleWindows(), QStringList{"frmMain"});
    QCOMPARE(m_forms->Main(), main.data());
}

QTEST_MAIN(tst_Reveal)
#include "tst_reveal.moc"

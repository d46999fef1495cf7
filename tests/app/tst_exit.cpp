#include "app/forms_registry.h"
#include "support/seams.h"
#include "support/test_clock.h"

#include <QAction>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// Counts windows being shown: on the way out none may come (back) up.
class ShowCounter : public QObject
{
public:
    int shown = 0;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType() &&
            static_cast<QWidget *>(watched)->isWindow())
            ++shown;
        return false;
    }
};

// Leaves the main window by its menu, or the reading window by its Exit
// button, after putting the windows where a reading leaves them.
void leave(FormsRegistry &forms, const QString &from)
{
    forms::frmMain *main = forms.Main();
    main->show();
    if (from == QLatin1String("main")) {
        main->findChild<QAction *>(QStringLiteral("mnuExit"))->trigger();
        return;
    }
    forms::frmDisplay *display = forms.Display();
    main->hide();
    forms.HideExitWindow();
    display->show();
    QTest::mouseClick(display->findChild<QPushButton *>(QStringLiteral("cmdExit")), Qt::LeftButton);
}

} // namespace

class tst_Exit : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        flushDeletes();
        QVERIFY(visibleWindows().isEmpty());
    }
    void leaving_data();
    void leaving();
    void endLeavesEveryEventLoop();
};

void tst_Exit::leaving_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QStringList>("unloads");
    const QStringList nagOnly{"frmNagScreen2"};
    const QStringList mainThenNag{"frmMain", "frmNagScreen2"};
    for (const char *how : {"E&xit button", "Alt+X", "Enter", "space bar", "close box"})
        QTest::addRow("main window, %s", how) << "main" << how << nagOnly;
    for (const char *how : {"E&xit button", "close box"})
        QTest::addRow("reading window, %s", how) << "reading" << how << mainThenNag;
}

void tst_Exit::leaving()
{
    QFETCH(QString, from);
    QFETCH(QString, how);
    Seams seams;
    seams.answer = platform::vbNo; // the update reminder, if it asks
    FormsRegistry forms;
    leave(forms, from);
    flushDeletes();

    QCOMPARE(visibleWindows(), QStringList{"frmNagScreen2"});
    forms::frmNagScreen2 *nag = forms.NagScreen();
    QVERIFY(nag->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    nag->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(nag));
    auto *cmdClose = nag->findChild<QPushButton *>(QStringLiteral("cmdClose"));
    QTRY_COMPARE(QApplication::focusWidget(), cmdClose);

    seams.messages.clear();
    seams.launches.clear();
    QStringList unloads;
    for (QWidget *form : forms.LoadedForms()) {
        const QString name = form->objectName();
        if (auto *main = qobject_cast<forms::frmMain *>(form))
            connect(main, &forms::frmMain::unloaded, this, [&unloads, name] { unloads << name; });
        else if (auto *exit = qobject_cast<forms::frmNagScreen2 *>(form))
            connect(exit, &forms::frmNagScreen2::unloaded, this,
                    [&unloads, name] { unloads << name; });
    }
    ShowCounter shows;
    qApp->installEventFilter(&shows);

    if (how == QLatin1String("E&xit button"))
        QTest::mouseClick(cmdClose, Qt::LeftButton);
    else if (how == QLatin1String("Alt+X"))
        QTest::keyClick(nag, Qt::Key_X, Qt::AltModifier);
    else if (how == QLatin1String("Enter"))
        QTest::keyClick(cmdClose, Qt::Key_Return);
    else if (how == QLatin1String("space bar"))
        QTest::keyClick(cmdClose, Qt::Key_Space);
    else
        nag->close();

    QTRY_COMPARE(seams.endStatuses, QList<int>{0});
    qApp->removeEventFilter(&shows);
    QTEST(unloads, "unloads");
    QCOMPARE(shows.shown, 0);
    QVERIFY(forms.LoadedForms().isEmpty());
    QVERIFY(seams.messages.isEmpty());
    QVERIFY(seams.launches.isEmpty());
}

void tst_Exit::endLeavesEveryEventLoop()
{
    Seams seams;
    seams.answer = platform::vbNo;
    platform::EndProcess.replace({}); // the real end: every event loop returns
    FormsRegistry forms;
    forms::frmMain *main = forms.Main();
    main->show();

    // A reveal pauses a second per dot; the user leaves from a reading
    // window in the middle of it and presses E&xit.
    TestClock clock;
    clock.at(0, [main] { main->picCoffeePot_Click(); });
    clock.at(200, [&] { leave(forms, QStringLiteral("reading")); });
    clock.at(400, [&] {
        forms.NagScreen()->findChild<QPushButton *>(QStringLiteral("cmdClose"))->click();
    });
    // A guard for a broken build only: the loop must end long before it.
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    watchdog.start(5000);

    QCOMPARE(QCoreApplication::exec(), 0);
    watchdog.stop();
    // The end came with the press, not after the pause the reveal was in.
    QCOMPARE(clock.now(), 400);
    QVERIFY(forms.LoadedForms().isEmpty());
    // The reveal's pending pause must not bring up its reading afterwards.
    clock.advance(5000);
    QVERIFY(forms.LoadedForms().isEmpty());
}

QTEST_MAIN(tst_Exit)
#include "tst_exit.moc"

#include "forms/picture_button.h"
#include "support/seams.h"
#include "support/site.h"
#include "support/test_clock.h"
#include "support/windows.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

namespace {

// The words a control shows on screen, as a sighted user would read them out.
QString shownText(QWidget *widget)
{
    if (auto *label = qobject_cast<QLabel *>(widget))
        return label->text();
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        return QString(button->text()).remove(QLatin1Char('&'));
    return QString();
}

} // namespace

// What a screen reader and a keyboard user get: names, descriptions, roles,
// and the coffee pot pressed without a mouse.
class tst_Accessibility : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void namesAndDescriptions_data();
    void namesAndDescriptions();
    void linksArePressedLikeClicks_data();
    void linksArePressedLikeClicks();
    void potIsAButton();
    void onePressOneClick_data();
    void onePressOneClick();
    void tabReachesThePotAndEnterReveals();
    void keyboardFocusShows_data();
    void keyboardFocusShows();
};

void tst_Accessibility::cleanup() { QVERIFY(visibleWindows().isEmpty()); }

void tst_Accessibility::namesAndDescriptions_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("role"); // -1: whatever the toolkit gives
    const int link = QAccessible::Link;
    for (const char *control : {"Label61", "lblCobrand", "lblFullBrand"}) {
        QTest::addRow("main %s", control) << "main" << control << link;
        QTest::addRow("reading %s", control) << "reading" << control << link;
    }
    QTest::newRow("main picMessage") << "main"
                                     << "picMessage" << -1;
    QTest::newRow("about lblHomePage") << "about"
                                       << "lblHomePage" << link;
    QTest::newRow("about lblCobrand") << "about"
                                      << "lblCobrand" << link;
    QTest::newRow("exit lblGoToHome") << "exit"
                                      << "lblGoToHome" << link;
    QTest::newRow("exit Check1") << "exit"
                                 << "Check1" << int(QAccessible::CheckBox);
}

void tst_Accessibility::namesAndDescriptions()
{
    QFETCH(QString, which);
    QFETCH(QString, control);
    const std::unique_ptr<QWidget> window = makeWindow(which);
    QWidget *widget = window->findChild<QWidget *>(control);
    QVERIFY(widget);
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(face);
    QFETCH(int, role);
    if (role >= 0)
        QCOMPARE(int(face->role()), role);
    // A user who says what he sees must find the control by its name.
    const QString name = face->text(QAccessible::Name);
    const QString shown = widget->objectName() == QLatin1String("picMessage")
                              ? QStringLiteral("Please Wait") // the words of the label inside it
                              : shownText(widget);
    QVERIFY(!shown.isEmpty());
    QVERIFY2(name.startsWith(shown), qPrintable(name));
    // The hint comes after the name, and does not say it twice.
    const QString description = face->text(QAccessible::Description);
    QVERIFY(!description.isEmpty());
    QVERIFY2(!description.contains(shown) && !name.contains(description), qPrintable(description));
}

void tst_Accessibility::linksArePressedLikeClicks_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("pageKey");
    for (const char *which : {"main", "reading"}) {
        QTest::addRow("%s banner", which) << which << "Label61"
                                          << "home-page";
        QTest::addRow("%s co-brand", which) << which << "lblCobrand"
                                            << "co-brand";
        QTest::addRow("%s full brand", which) << which << "lblFullBrand"
                                              << "fully-branded";
    }
    QTest::newRow("about home page") << "about"
                                     << "lblHomePage"
                                     << "home-page";
    QTest::newRow("about details") << "about"
                                   << "lblCobrand"
                                   << "fully-branded";
    QTest::newRow("exit software line") << "exit"
                                        << "lblGoToHome"
                                        << "quillorysoftwares";
}

void tst_Accessibility::linksArePressedLikeClicks()
{
    QFETCH(QString, which);
    QFETCH(QString, control);
    QFETCH(QString, pageKey);
    Seams seams;
    const std::unique_ptr<QWidget> window = makeWindow(which);
    QAccessibleInterface *face =
        QAccessible::queryAccessibleInterface(window->findChild<QWidget *>(control));
    QVERIFY(face && face->actionInterface());
    const QStringList actions = face->actionInterface()->actionNames();
    QVERIFY(actions.contains(QAccessibleActionInterface::pressAction()));

    face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(seams.launches, QStringList{sitePage(qPrintable(pageKey))});
    // An action the link does not have does nothing.
    face->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QCOMPARE(seams.launches.size(), 1);
}

void tst_Accessibility::potIsAButton()
{
    forms::frmMain main;
    QAccessibleInterface *face =
        QAccessible::queryAccessibleInterface(main.findChild<QWidget *>("picCoffeePot"));
    QCOMPARE(face->role(), QAccessible::Button);
    QCOMPARE(face->text(QAccessible::Name), QStringLiteral("Coffee pot"));
    QVERIFY(face->actionInterface());
    QVERIFY(
        face->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
}

void tst_Accessibility::onePressOneClick_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("clicks");
    QTest::newRow("mouse") << "mouse" << 1;
    QTest::newRow("enter") << "enter" << 1;
    QTest::newRow("keypad enter") << "keypad enter" << 1;
    QTest::newRow("space") << "space" << 1;
    QTest::newRow("held enter repeats nothing") << "repeat" << 0;
    QTest::newRow("screen reader press") << "press" << 1;
    QTest::newRow("other key") << "letter" << 0;
}

void tst_Accessibility::onePressOneClick()
{
    QFETCH(QString, how);
    QFETCH(int, clicks);
    QWidget window;
    auto *pot = new forms::PictureButton([](qreal) { return QPixmap(137, 99); }, &window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    pot->setFocus(Qt::TabFocusReason);
    QSignalSpy clicked(pot, &QAbstractButton::clicked);
    if (how == QLatin1String("mouse"))
        QTest::mouseClick(pot, Qt::LeftButton);
    else if (how == QLatin1String("enter"))
        QTest::keyClick(pot, Qt::Key_Return);
    else if (how == QLatin1String("keypad enter"))
        QTest::keyClick(pot, Qt::Key_Enter, Qt::KeypadModifier);
    else if (how == QLatin1String("space"))
        QTest::keyClick(pot, Qt::Key_Space);
    else if (how == QLatin1String("repeat")) {
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(pot, &repeat);
    } else if (how == QLatin1String("press"))
        QAccessible::queryAccessibleInterface(pot)->actionInterface()->doAction(
            QAccessibleActionInterface::pressAction());
    else
        QTest::keyClick(pot, Qt::Key_A);
    QTRY_COMPARE(clicked.size(), clicks); // a screen reader press animates the button first
}

void tst_Accessibility::tabReachesThePotAndEnterReveals()
{
    Seams seams;
    TestClock clock;
    forms::frmMain main;
    main.setAttribute(Qt::WA_DeleteOnClose, false);
    main.show();
    main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    QWidget *pot = main.findChild<QWidget *>("picCoffeePot");
    main.setFocus();
    QTest::keyClick(&main, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), pot);

    QSignalSpy finished(&main, &forms::frmMain::revealFinished);
    QTest::keyClick(pot, Qt::Key_Return); // the whole four-second animation, on the test clock
    QCOMPARE(finished.size(), 1);
    main.hide();
}

void tst_Accessibility::keyboardFocusShows_data()
{
    // Controls that paint themselves, each reached with Tab from the one before.
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("before"); // where the window puts it when empty
    QTest::addColumn<QString>("control");
    QTest::newRow("coffee pot") << "main"
                                << ""
                                << "picCoffeePot";
    QTest::newRow("exit window's picture") << "exit"
                                           << "Check1"
                                           << "picNagscreen2Icon";
}

void tst_Accessibility::keyboardFocusShows()
{
    QFETCH(QString, window);
    QFETCH(QString, before);
    QFETCH(QString, control);
    Seams seams;
    const std::unique_ptr<QWidget> shown = showWindow(window);
    QVERIFY(shown);
    shown->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(shown.get()));
    if (!before.isEmpty())
        shown->findChild<QWidget *>(before)->setFocus(Qt::OtherFocusReason);
    QWidget *reached = shown->findChild<QWidget *>(control);
    const QImage unfocused = reached->grab().toImage();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), reached);
    QVERIFY(reached->grab().toImage() != unfocused);
}

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"

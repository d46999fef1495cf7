#include "forms/frmDisplay.h"
#include "forms/frmMain.h"
#include "forms/picture_button.h"
#include "support/seams.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QSignalSpy>
#include <QtTest>

// What a screen reader and a keyboard user get: names, descriptions, roles,
// and the coffee pot pressed without a mouse.
class tst_Accessibility : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void namesAndDescriptions_data();
    void namesAndDescriptions();
    void potIsAButton();
    void onePressOneClick_data();
    void onePressOneClick();
    void tabReachesThePotAndEnterReveals();
};

void tst_Accessibility::cleanup() { QVERIFY(visibleWindows().isEmpty()); }

void tst_Accessibility::namesAndDescriptions_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("control");
    for (const char *control :
         {"picCoffeePot", "picMessage", "Label61", "lblCobrand", "lblFullBrand"})
        QTest::addRow("main %s", control) << "main" << control;
    for (const char *control : {"Label61", "lblCobrand", "lblFullBrand"})
        QTest::addRow("reading %s", control) << "display" << control;
}

void tst_Accessibility::namesAndDescriptions()
{
    QFETCH(QString, which);
    QFETCH(QString, control);
    std::unique_ptr<QWidget> window;
    if (which == QLatin1String("main"))
        window = std::make_unique<forms::frmMain>();
    else
        window = std::make_unique<forms::frmDisplay>();
    QWidget *widget = window->findChild<QWidget *>(control);
    QVERIFY(widget);
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(face);
    QVERIFY(!face->text(QAccessible::Name).isEmpty());
    QVERIFY(!face->text(QAccessible::Description).isEmpty());
    QVERIFY(face->text(QAccessible::Name) != face->text(QAccessible::Description));
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
    auto *pot = new forms::PictureButton(QPixmap(137, 99), &window);
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
    QTest::keyClick(pot, Qt::Key_Return); // the whole four-second animation
    QCOMPARE(finished.size(), 1);
    main.hide();
}

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"

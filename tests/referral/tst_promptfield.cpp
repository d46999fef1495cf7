#include "referral/prompt_text_field.h"
#include "support/seams.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

using referral::PromptTextField;

// A window with a field under test and a neighbour to move the focus to.
struct Host
{
    QWidget window;
    QLineEdit *neighbour = new QLineEdit(&window);
    QLineEdit *line = new QLineEdit(&window);
    QPlainTextEdit *multi = new QPlainTextEdit(&window);

    Host()
    {
        window.setObjectName(QStringLiteral("host"));
        window.show();
        window.activateWindow();
    }
};

class tst_PromptField : public QObject
{
    Q_OBJECT
private slots:
    void init() { QVERIFY(visibleWindows().isEmpty()); }
    void cleanup() { QVERIFY(visibleWindows().isEmpty()); }
    void focusInAndOut_data();
    void focusInAndOut();
    void keyboardFocusKeepsEntryAndCaret_data();
    void keyboardFocusKeepsEntryAndCaret();
    void messageFieldKeepsItsLineBreakUntilEmptied();
    void spaceRefusedInEmailField();
    void pasteKeepsWhatTheBoxShows_data();
    void pasteKeepsWhatTheBoxShows();
    void focusMovedWhileWindowInactive();
};

void tst_PromptField::focusInAndOut_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("onFocus");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("onLeave");
    QTest::addColumn<QString>("onNextFocus");

    const QString prompt = QStringLiteral("Friend's Name");
    QTest::newRow("untouched prompt") << prompt << ""
                                      << "" << prompt << "";
    QTest::newRow("padded prompt cleared") << "  Friend's Name  "
                                           << ""
                                           << "" << prompt << "";
    QTest::newRow("prompt in other case kept") << "friend's name"
                                               << "friend's name"
                                               << ""
                                               << "friend's name"
                                               << "friend's name";
    QTest::newRow("tab before prompt kept") << "\tFriend's Name"
                                            << "\tFriend's Name"
                                            << ""
                                            << "\tFriend's Name"
                                            << "\tFriend's Name";
    QTest::newRow("blanks restored to prompt") << "   "
                                               << "   "
                                               << "" << prompt << "";
    QTest::newRow("name with blanks kept as typed") << prompt << ""
                                                    << " Ann "
                                                    << " Ann "
                                                    << " Ann ";
    QTest::newRow("typed prompt vanishes next time") << prompt << "" << prompt << prompt << "";
}

void tst_PromptField::focusInAndOut()
{
    QFETCH(QString, start);
    Seams seams;
    Host host;
    auto *field = new PromptTextField(host.line, QStringLiteral("Friend's Name"),
                                      PromptTextField::Spaces::Allowed);
    field->setText(start);
    QVERIFY(QTest::qWaitForWindowActive(&host.window));

    host.line->setFocus(Qt::MouseFocusReason);
    QTEST(host.line->text(), "onFocus");
    QFETCH(QString, typed);
    QTest::keyClicks(host.line, typed);
    host.neighbour->setFocus(Qt::TabFocusReason);
    QTEST(host.line->text(), "onLeave");
    host.line->setFocus(Qt::TabFocusReason);
    QTEST(field->text(), "onNextFocus");
    QCOMPARE(host.line->accessibleName(), QStringLiteral("Friend's Name"));
    QVERIFY(seams.messages.isEmpty());
}

void tst_PromptField::keyboardFocusKeepsEntryAndCaret_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("home"); // the caret moved to the start before leaving
    QTest::addColumn<int>("away");  // the key that leaves the box
    QTest::addColumn<int>("back");  // the key that comes back
    QTest::addColumn<QString>("result");
    const int tab = Qt::Key_Tab;
    const int backtab = Qt::Key_Backtab;
    QTest::newRow("tab away, shift+tab back") << "Ann" << false << tab << backtab << "Anne";
    QTest::newRow("shift+tab away, tab back") << "Ann" << false << backtab << tab << "Anne";
    QTest::newRow("caret at the start stays there") << "Ann" << true << tab << backtab << "eAnn";
    QTest::newRow("blanks around the entry kept") << " Ann " << false << tab << backtab << " Ann e";
    QTest::newRow("prompt typed back still vanishes")
        << "Your Name" << false << tab << backtab << "e";
}

void tst_PromptField::keyboardFocusKeepsEntryAndCaret()
{
    QFETCH(QString, typed);
    QFETCH(bool, home);
    QFETCH(int, away);
    QFETCH(int, back);
    Seams seams;
    Host host;
    host.multi->setFocusPolicy(Qt::NoFocus); // the tab chain: neighbour, line
    auto *field = new PromptTextField(host.line, QStringLiteral("Your Name"),
                                      PromptTextField::Spaces::Allowed);
    field->setText(QStringLiteral("Your Name"));
    QVERIFY(QTest::qWaitForWindowActive(&host.window));

    host.line->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(host.line, typed);
    if (home)
        QTest::keyClick(host.line, Qt::Key_Home);
    QTest::keyClick(host.line, Qt::Key(away),
                    away == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
    QCOMPARE(QApplication::focusWidget(), host.neighbour);
    QTest::keyClick(host.neighbour, Qt::Key(back),
                    back == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
    QCOMPARE(QApplication::focusWidget(), host.line);
    QVERIFY(!host.line->hasSelectedText());
    QTest::keyClick(host.line, Qt::Key_E);
    QTEST(host.line->text(), "result");
}

void tst_PromptField::messageFieldKeepsItsLineBreakUntilEmptied()
{
    Seams seams;
    Host host;
    auto *field = new PromptTextField(host.multi, QStringLiteral("Your Message"));
    field->setText(QStringLiteral("Your Message\r\n"));
    QVERIFY(QTest::qWaitForWindowActive(&host.window));

    host.multi->setFocus(Qt::MouseFocusReason);
    QCOMPARE(field->text(), QStringLiteral("Your Message\r\n"));

    host.multi->selectAll();
    QTest::keyClick(host.multi, Qt::Key_Delete);
    host.neighbour->setFocus(Qt::MouseFocusReason);
    QCOMPARE(field->text(), QStringLiteral("Your Message"));
    host.multi->setFocus(Qt::MouseFocusReason);
    QCOMPARE(field->text(), QString());
}

void tst_PromptField::spaceRefusedInEmailField()
{
    Seams seams;
    Host host;
    new PromptTextField(host.line, QStringLiteral("Your Email Address"),
                        PromptTextField::Spaces::Refused);
    QVERIFY(QTest::qWaitForWindowActive(&host.window));
    host.line->setFocus(Qt::MouseFocusReason);
    // The box is a window of its own: it takes the activation while it is up.
    QStringList whileUp;
    platform::MsgBox.replace([&](const QString &text, int flags) {
        seams.messages.append({text, flags});
        QWidget box;
        box.setObjectName(QStringLiteral("box"));
        box.show();
        box.activateWindow();
        if (QTest::qWaitForWindowActive(&box))
            whileUp << host.line->text();
        return int(platform::vbOK);
    });
    QTest::keyClick(host.line, Qt::Key_Space);
    QTest::keyClicks(host.line, QStringLiteral("ann"));
    QTest::keyClick(host.line, Qt::Key_Space);
    QTest::keyClicks(host.line, QStringLiteral("@x.org"));

    QCOMPARE(seams.messages.size(), 2);
    QCOMPARE(seams.messages[1].text, QStringLiteral("Email Address Cannot Contain Space"));
    QCOMPARE(seams.messages[1].flags, int(platform::vbCritical));
    QCOMPARE(whileUp, (QStringList{"", "ann"})); // the box does not bring the prompt back
    QCOMPARE(host.line->text(), QStringLiteral("ann@x.org"));
    host.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&host.window));
    QVERIFY(host.line->hasFocus());
    QCOMPARE(host.line->text(), QStringLiteral("ann@x.org"));
}

void tst_PromptField::pasteKeepsWhatTheBoxShows_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("kept");
    QTest::newRow("a second line") << "x@y.z\nrm -rf ~"
                                   << "x@y.z rm -rf ~";
    QTest::newRow("CR LF, trailing") << "x@y.z\r\n"
                                     << "x@y.z ";
    QTest::newRow("NUL and escape") << QString::fromUtf8("x@\0y.z\x1b", 7) << "x@y.z";
}

void tst_PromptField::pasteKeepsWhatTheBoxShows()
{
    // Pasting is no key press: its spaces are not refused.
    QFETCH(QString, pasted);
    QFETCH(QString, kept);
    Seams seams;
    Host host;
    PromptTextField field(host.line, QStringLiteral("Your Email Address"),
                          PromptTextField::Spaces::Refused);
    QGuiApplication::clipboard()->setText(pasted);
    host.line->paste();
    QCOMPARE(field.text(), kept);
    QCOMPARE(host.line->cursorPosition(), kept.size());
    QVERIFY(seams.messages.isEmpty());
}

void tst_PromptField::focusMovedWhileWindowInactive()
{
    Seams seams;
    Host host;
    auto *name = new PromptTextField(host.line, QStringLiteral("Your Name"),
                                     PromptTextField::Spaces::Allowed);
    auto *friendName = new PromptTextField(host.neighbour, QStringLiteral("Friend's Name"),
                                           PromptTextField::Spaces::Allowed);
    name->setText(QStringLiteral("Your Name"));
    friendName->setText(QStringLiteral("Friend's Name"));
    QVERIFY(QTest::qWaitForWindowActive(&host.window));
    host.line->setFocus(Qt::MouseFocusReason);
    QCOMPARE(name->text(), QString());

    // The user is in the browser; a click into the window moves its focus
    // before the window is active again.
    QWidget browser;
    browser.setObjectName(QStringLiteral("browser"));
    browser.show();
    browser.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&browser));
    QCOMPARE(name->text(), QString());
    host.neighbour->setFocus(Qt::MouseFocusReason);
    browser.hide();
    host.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&host.window));

    QCOMPARE(name->text(), QStringLiteral("Your Name"));
    QCOMPARE(friendName->text(), QString());
}

QTEST_MAIN(tst_PromptField)
#include "tst_promptfield.moc"

#include "app/forms_registry.h"
#include "referral/tell_a_friend.h"
#include "support/seams.h"
#include "support/text_fits.h"
#include "web/site_pages.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

// Shows the exit window as leaving does, and waits until it has the keyboard.
forms::frmNagScreen2 *showExitWindow(FormsRegistry &forms)
{
    forms.ShowExitWindow();
    forms::frmNagScreen2 *nag = forms.NagScreen();
    nag->activateWindow();
    return QTest::qWaitForWindowActive(nag) ? nag : nullptr;
}

template <typename T> T *control(QWidget *window, const char *name)
{
    return window->findChild<T *>(QLatin1String(name));
}

} // namespace

class tst_NagScreen : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        flushDeletes();
        QVERIFY(visibleWindows().isEmpty());
    }
    void supportTextByQuarter_data();
    void supportTextByQuarter();
    void supportTextChosenOnce();
    void softwareLineText();
    void everyTextShowsWhole();
    void tabOrder();
    void tabbingBackKeepsTheEntry();
    void linksKeepTheWindowOpen();
    void fieldsCarryTheirPrompts_data();
    void fieldsCarryTheirPrompts();
    void referralChecks_data();
    void referralChecks();
    void pastedFloodIsCut_data();
    void pastedFloodIsCut();
    void messageCutKeepsWholeCharacters();
    void cutKeepsWholeCharacters_data();
    void cutKeepsWholeCharacters();
    void floodedFormIsToldToShorten();
    void failedLaunchIsToldAndKeepsEverything();
};

void tst_NagScreen::supportTextByQuarter_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<QString>("text");
    const QString texts[] = {
        "Quillory Softwares, such as this can be created and maintained only with your support. "
        "The best way to support Quillory is to visit Quillory regularly and take part in the "
        "discussions and other activities on the board.",
        "Visit Quillory regularly. Support Quillory by taking part in the discussions and other "
        "activities. These softwares cannot be supported and maintained, without you regularly "
        "visiting Quillory",
        "Quillory is a FREE online discussion forum for all things quillory. To help Quillory "
        "develop and maintain this software visit Quillory regularly.",
        "Quillory needs your help. All you need to do is visit Quillory regularly and take part in "
        "the various discussions and activites to help us maintain and develop more Quillory "
        "Softwares."};
    QTest::newRow("0") << 0.0f << texts[0];
    QTest::newRow("just below a quarter") << 0.24999999f << texts[0];
    QTest::newRow("a quarter") << 0.25f << texts[1];
    QTest::newRow("a half") << 0.5f << texts[2];
    QTest::newRow("just below three quarters") << 0.74999994f << texts[2];
    QTest::newRow("three quarters") << 0.75f << texts[3];
    QTest::newRow("largest below 1") << 0.99999994f << texts[3];
}

void tst_NagScreen::supportTextByQuarter()
{
    QFETCH(float, r);
    Seams seams;
    seams.feedRandom({r});
    FormsRegistry forms;
    forms.HideExitWindow();
    QTEST(control<QLabel>(forms.NagScreen(), "Label2")->text(), "text");
}

void tst_NagScreen::supportTextChosenOnce()
{
    Seams seams;
    seams.feedRandom({0.3f, 0.9f});
    FormsRegistry forms;
    forms.HideExitWindow();
    forms::frmNagScreen2 *nag = forms.NagScreen();
    const QString chosen = control<QLabel>(nag, "Label2")->text();
    control<QLineEdit>(nag, "txtFriendName")->setText(QStringLiteral("Bob"));
    QVERIFY(chosen.startsWith(QLatin1String("Visit Quillory regularly.")));
    for (int i = 0; i < 3; ++i) {
        forms.ShowExitWindow();
        forms.HideExitWindow();
    }
    QCOMPARE(forms.NagScreen(), nag);
    QCOMPARE(control<QLabel>(nag, "Label2")->text(), chosen);
    QVERIFY(nag->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(control<QLineEdit>(nag, "txtFriendName")->text(), QStringLiteral("Bob"));
    QCOMPARE(platform::Rnd(), 0.9f); // the load step drew once
}

void tst_NagScreen::softwareLineText()
{
    Seams seams;
    FormsRegistry forms;
    const QString text = control<QLabel>(forms.NagScreen(), "Label3")->text();
    QVERIFY(text.contains(QStringLiteral("the world\u2019s largest resource")));
    QVERIFY(
        text.contains("on their interests." + QString(61, QLatin1Char(' ')) + "All the programs"));
    QVERIFY(!text.contains(QString(62, QLatin1Char(' '))));
    QVERIFY(text.endsWith(QLatin1String("friends and family. ")));
}

void tst_NagScreen::everyTextShowsWhole()
{
    Seams seams;
    FormsRegistry forms;
    forms::frmNagScreen2 *nag = showExitWindow(forms);
    QVERIFY(nag);
    QCOMPARE(nag->size(), QSize(741, 315));
    for (QWidget *w : namedControls(nag)) {
        const QRect inParent(QPoint(0, 0), w->parentWidget()->size());
        if (w->objectName() == QLatin1String("txtMessage")) {
            QVERIFY(!inParent.intersects(w->geometry())); // never seen
            continue;
        }
        QVERIFY2(inParent.contains(w->geometry()), qPrintable(w->objectName()));
        const QString cut = cutOffText(w, w->size());
        QVERIFY2(cut.isEmpty(), qPrintable(cut));
    }
}

void tst_NagScreen::tabOrder()
{
    Seams seams;
    FormsRegistry forms;
    forms::frmNagScreen2 *nag = showExitWindow(forms);
    QVERIFY(nag);
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 8; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(visited,
             (QStringList{"cmdClose", "Check1", "picNagscreen2Icon", "txtName", "cmdSubmit",
                          "txtEmail", "txtFriendEmail", "txtFriendName", "cmdClose"}));
}

void tst_NagScreen::tabbingBackKeepsTheEntry()
{
    Seams seams;
    FormsRegistry forms;
    forms::frmNagScreen2 *nag = showExitWindow(forms);
    QVERIFY(nag);
    auto *name = control<QLineEdit>(nag, "txtName");
    for (int i = 0; i < 3; ++i) // from Exit through the check box and the icon
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), name);
    QCOMPARE(name->text(), QString()); // the prompt made room
    QTest::keyClicks(name, QStringLiteral("Ann"));
    QTest::keyClick(name, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdSubmit"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), name);
    QCOMPARE(name->selectedText(), QString());
    QCOMPARE(name->cursorPosition(), 3);
    QTest::keyClick(name, Qt::Key_E);
    QCOMPARE(name->text(), QStringLiteral("Anne"));
    nag->hide();
}

void tst_NagScreen::linksKeepTheWindowOpen()
{
    Seams seams;
    FormsRegistry forms;
    forms::frmNagScreen2 *nag = showExitWindow(forms);
    QVERIFY(nag);
    auto *check = control<QCheckBox>(nag, "Check1");
    const QPoint box(8, check->height() / 2);
    QTest::mouseClick(check, Qt::LeftButton, {}, box);
    QVERIFY(!check->isChecked());
    QTest::mouseClick(check, Qt::LeftButton, {}, box);
    QTest::keyClick(check, Qt::Key_Space);
    QTest::mouseClick(control<QLabel>(nag, "lblGoToHome"), Qt::LeftButton);

    const QString home = modHelp::SitePageAddress(QStringLiteral("home-page"));
    QCOMPARE(seams.launches,
             (QStringList{home, home, home, modHelp::SitePageAddress("quillorysoftwares")}));
    QVERIFY(!check->isChecked());
    QVERIFY(nag->isVisible());
    QVERIFY(seams.endStatuses.isEmpty());
    nag->hide();
}

void tst_NagScreen::fieldsCarryTheirPrompts_data()
{
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<bool>("spaceRefused");
    QTest::newRow("txtName") << "Your Name" << false;
    QTest::newRow("txtEmail") << "Your Email Address" << true;
    QTest::newRow("txtFriendName") << "Friend's Name" << false;
    QTest::newRow("txtFriendEmail") << "Friend's Email Address" << true;
}

void tst_NagScreen::fieldsCarryTheirPrompts()
{
    QFETCH(QString, prompt);
    QFETCH(bool, spaceRefused);
    Seams seams;
    FormsRegistry forms;
    forms::frmNagScreen2 *nag = showExitWindow(forms);
    QVERIFY(nag);
    auto *box = control<QLineEdit>(nag, QTest::currentDataTag());
    QCOMPARE(box->text(), prompt);
    QTest::mouseClick(box, Qt::LeftButton);
    QCOMPARE(box->text(), QString());
    QTest::keyClicks(box, QStringLiteral("a b"));
    QCOMPARE(box->text(), spaceRefused ? QStringLiteral("ab") : QStringLiteral("a b"));
    QCOMPARE(seams.messages.size(), spaceRefused ? 1 : 0);
    box->clear();
    QTest::mouseClick(control<QPushButton>(nag, "cmdSubmit"), Qt::LeftButton);
    QCOMPARE(box->text(), prompt);
    nag->hide();
}

void tst_NagScreen::referralChecks_data()
{
    QTest::addColumn<QStringList>("fields"); // name, e-mail, friend's name, friend's e-mail
    QTest::addColumn<QString>("message");    // null: the message box is left untouched
    QTest::addColumn<QString>("refusal");    // empty: the referral is sent
    QTest::addColumn<QString>("sent");       // a piece of the request address

    const QString untouched;
    const QStringList valid{"Ann", "ann@mail.example", "Bob", "bob@mail.example"};
    const auto with = [&](int i, const QString &text) {
        QStringList fields = valid;
        fields[i] = text;
        return fields;
    };
    const QString distinct = "Please Enter Distinct Email Addresses";
    const QString proper = "Please Enter Proper Email Address";
    QTest::newRow("same address") << with(3, "ann@mail.example") << untouched << distinct << "";
    QTest::newRow("same address in other case passes")
        << with(3, "Ann@Mail.example") << untouched << ""
        << "&taf5=Ann%40Mail.example&";
    QTest::newRow("both address prompts")
        << (QStringList{"Ann", "Your Email Address", "Bob", "Friend's Email Address"}) << untouched
        << proper << "";
    QTest::newRow("friend's address lacks @")
        << with(3, "bob.example") << untouched << proper << "";
    QTest::newRow("@ without dot") << with(1, "ann@example") << untouched << proper << "";
    QTest::newRow("dot only before @ passes")
        << (QStringList{"Ann", "ann.lee@example", "Bob", "bob.lee@example"}) << untouched << ""
        << "&taf2=ann.lee%40example&";
    QTest::newRow("addresses checked before name")
        << (QStringList{"Your Name", "ann", "Bob", "bob@mail.example"}) << untouched << proper
        << "";
    QTest::newRow("name prompt") << with(0, "Your Name") << untouched << "Please Enter Your Name"
                                 << "";
    QTest::newRow("name blanks only") << with(0, "   ") << untouched << "Please Enter Your Name"
                                      << "";
    QTest::newRow("message emptied") << valid << ""
                                     << "Please Enter Your Message"
                                     << "";
    QTest::newRow("message prompt restored") << valid << "Your Message"
                                             << "Please Enter Your Message"
                                             << "";
    QTest::newRow("friend's name prompt")
        << with(2, "Friend's Name") << untouched << "Please Enter Your Friend's Name"
        << "";
    QTest::newRow("untouched message sent with its line break")
        << valid << untouched << ""
        << "&taf3=Your%20Message%0D%0A&taf4=Bob&";
    QTest::newRow("padded name trimmed, inner blank kept")
        << with(0, "  Ann Lee  ") << untouched << ""
        << "&taf1=Ann%20Lee&";
}

void tst_NagScreen::referralChecks()
{
    QFETCH(QStringList, fields);
    QFETCH(QString, message);
    QFETCH(QString, refusal);
    Seams seams;
    FormsRegistry forms;
    forms::frmNagScreen2 *nag = showExitWindow(forms);
    QVERIFY(nag);
    const char *names[] = {"txtName", "txtEmail", "txtFriendName", "txtFriendEmail"};
    for (int i = 0; i < 4; ++i)
        control<QLineEdit>(nag, names[i])->setText(fields[i]);
    auto *txtMessage = control<QPlainTextEdit>(nag, "txtMessage");
    if (!message.isNull())
        txtMessage->setPlainText(message);
    const QString messageBefore = txtMessage->toPlainText();

    QTest::keyClick(nag, Qt::Key_N, Qt::AltModifier); // the button shows itself pressed first
    QTRY_COMPARE(seams.messages.size() + seams.launches.size(), 1);

    if (refusal.isEmpty()) {
        QVERIFY(seams.messages.isEmpty());
        QCOMPARE(seams.launches.size(), 1);
        QFETCH(QString, sent);
        QVERIFY2(seams.launches[0].contains(sent), qPrintable(seams.launches[0]));
    } else {
        QCOMPARE(seams.messages.size(), 1);
        QCOMPARE(seams.messages[0].text, refusal);
        QCOMPARE(seams.messages[0].flags, int(platform::vbCritical));
        QVERIFY(seams.launches.isEmpty());
    }
    // Every press stores the trimmed texts first; no press changes a field.
    QCOMPARE(modTellAFriend::Stored.referrerName, fields[0].trimmed());
    QCOMPARE(modTellAFriend::Stored.friendEmail, fields[3]);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(control<QLineEdit>(nag, names[i])->text(), fields[i]);
    QCOMPARE(txtMessage->toPlainText(), messageBefore);
    QVERIFY(nag->isVisible());
    nag->hide();
}

void tst_NagScreen::pastedFloodIsCut_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<int>("bound");
    const QString hebrew(10'000, QChar(0x05E9));
    QString emoji;
    for (int i = 0; i < 5'000; ++i)
        emoji += QStringLiteral("\U0001F600");
    using namespace modTellAFriend;
    QTest::newRow("txtName") << hebrew << MaxNameLength;
    QTest::newRow("txtEmail") << QString(9'990, QChar(0x00E9)) + "@x.example" << MaxEmailLength;
    QTest::newRow("txtFriendName") << emoji << MaxNameLength;
    QTest::newRow("txtFriendEmail")
        << QString(9'990, QChar(0x00FC)) + "@y.example" << MaxEmailLength;
    QTest::newRow("txtMessage") << QString(10'000, QChar(0x20AC)) << MaxMessageLength;
}

void tst_NagScreen::pastedFloodIsCut()
{
    QFETCH(QString, pasted);
    QFETCH(int, bound);
    Seams seams;
    FormsRegistry forms;
    forms::frmNagScreen2 *nag = showExitWindow(forms);
    QVERIFY(nag);
    QApplication::clipboard()->setText(pasted);
    QString kept;
    if (auto *line = control<QLineEdit>(nag, QTest::currentDataTag())) {
        line->clear();
        line->paste();
        kept = line->text();
    } else {
        auto *multi = control<QPlainTextEdit>(nag, QTest::currentDataTag());
        multi->clear();
        multi->paste();
        kept = multi->toPlainText();
    }
    QCOMPARE(kept.size(), bound);
    QVERIFY(pasted.startsWith(kept));
    QVERIFY(seams.messages.isEmpty());
    nag->hide();
}

void tst_NagScreen::messageCutKeepsWholeCharacters()
{
    Seams seams;
    FormsRegistry forms;
    forms::frmNagScreen2 *nag = showExitWindow(forms);
    QVERIFY(nag);
    auto *message = control<QPlainTextEdit>(nag, "txtMessage");
    message->setPlainText(QStringLiteral("x"));
    message->moveCursor(QTextCursor::End);
    // One unit is left over after 99 emoji: the 100th does not fit whole.
    QApplication::clipboard()->setText(QStringLiteral("\U0001F600").repeated(1'000));
    message->paste();
    const QString kept = message->toPlainText();
    QCOMPARE(kept, "x" + QStringLiteral("\U0001F600").repeated(99));
    QCOMPARE(kept.size(), modTellAFriend::MaxMessageLength - 1);
    // Typing into the full box changes nothing.
    message->setPlainText(QString(modTellAFriend::MaxMessageLength, QLatin1Char('m')));
    message->moveCursor(QTextCursor::Start);
    message->insertPlainText(QStringLiteral("new"));
    QCOMPARE(message->toPlainText(), QString(modTellAFriend::MaxMessageLength, QLatin1Char('m')));
    nag->hide();
}

void tst_NagScreen::cutKeepsWholeCharacters_data()
{
    // Emoji pasted into a box after one letter, at its end or before its last
    // letter, cut where the bound falls half-way through one of them.
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("caret");
    for (const char *box :
         {"txtName", "txtFriendName", "txtEmail", "txtFriendEmail", "txtMessage"}) {
        QTest::addRow("%s, at the end", box) << box << 2;
        QTest::addRow("%s, inside", box) << box << 1;
    }
}

void tst_NagScreen::cutKeepsWholeCharacters()
{
    QFETCH(QString, box);
    QFETCH(int, caret);
    Seams seams;
    FormsRegistry forms;
    forms::frmNagScreen2 *nag = showExitWindow(forms);
    QVERIFY(nag);
    QApplication::clipboard()->setText(QStringLiteral("\U0001F600").repeated(1'000));
    QString kept;
    int bound = 0;
    if (auto *line = control<QLineEdit>(nag, qPrintable(box))) {
        bound = line->maxLength();
        line->setText(QStringLiteral("xy"));
        line->setCursorPosition(caret);
        line->paste();
        kept = line->text();
    } else {
        bound = modTellAFriend::MaxMessageLength;
        auto *message = control<QPlainTextEdit>(nag, "txtMessage");
        message->setPlainText(QStringLiteral("xy"));
        QTextCursor at = message->textCursor();
        at.setPosition(caret);
        message->setTextCursor(at);
        message->paste();
        kept = message->toPlainText();
        // Undo takes back the paste and its cut as one step.
        message->undo();
        QCOMPARE(message->toPlainText(), QStringLiteral("xy"));
    }
    const QString emoji = QStringLiteral("\U0001F600").repeated((bound - 2) / 2);
    QCOMPARE(kept, caret == 2 ? "xy" + emoji : "x" + emoji + "y");
    nag->hide();
}

void tst_NagScreen::floodedFormIsToldToShorten()
{
    Seams seams;
    FormsRegistry forms;
    forms::frmNagScreen2 *nag = showExitWindow(forms);
    QVERIFY(nag);
    QString emoji;
    for (int i = 0; i < 5'000; ++i)
        emoji += QStringLiteral("\U0001F600");
    // The addresses lead with their "@" and "." so that what is kept passes the checks.
    const QString texts[] = {QString(10'000, QChar(0x05E9)),
                             "ann@x.example" + QString(9'990, QChar(0x00E9)), emoji,
                             "bob@y.example" + QString(9'990, QChar(0x00FC))};
    const char *names[] = {"txtName", "txtEmail", "txtFriendName", "txtFriendEmail"};
    for (int i = 0; i < 4; ++i) {
        auto *box = control<QLineEdit>(nag, names[i]);
        box->clear();
        QApplication::clipboard()->setText(texts[i]);
        box->paste();
    }
    // Bounded, the boxes still hold more than a browser takes: the user is
    // told to shorten them, and keeps what was typed.
    QTest::keyClick(nag, Qt::Key_N, Qt::AltModifier);
    QTRY_COMPARE(seams.messages.size(), 1);
    QCOMPARE(seams.messages[0].text, modTellAFriend::TooLongText());
    QVERIFY(seams.launches.isEmpty());
    for (int i = 0; i < 4; ++i)
        QVERIFY(texts[i].startsWith(control<QLineEdit>(nag, names[i])->text()));
    nag->hide();
}

void tst_NagScreen::failedLaunchIsToldAndKeepsEverything()
{
    Seams seams;
    seams.browserOpens = false;
    FormsRegistry forms;
    forms::frmNagScreen2 *nag = showExitWindow(forms);
    QVERIFY(nag);
    const char *names[] = {"txtName", "txtEmail", "txtFriendName", "txtFriendEmail"};
    const QString typed[] = {"Ann", "ann@mail.example", "Bob", "bob@mail.example"};
    for (int i = 0; i < 4; ++i)
        control<QLineEdit>(nag, names[i])->setText(typed[i]);

    for (int press = 1; press <= 2; ++press) {
        QTest::keyClick(nag, Qt::Key_N, Qt::AltModifier);
        QTRY_COMPARE(seams.messages.size(), press);
        QCOMPARE(seams.launches.size(), press); // tried, and told, every time
        QCOMPARE(seams.messages.last().text, modTellAFriend::LaunchFailureText());
        QCOMPARE(seams.messages.last().flags, int(platform::vbCritical));
    }
    QVERIFY(seams.messages[0].text.contains(QLatin1String("could not be opened")));
    for (int i = 0; i < 4; ++i)
        QCOMPARE(control<QLineEdit>(nag, names[i])->text(), typed[i]);
    QCOMPARE(control<QPlainTextEdit>(nag, "txtMessage")->toPlainText(),
             QStringLiteral("Your Message\n"));
    QVERIFY(nag->isVisible());

    // Once the browser opens, the same press sends the same request and says nothing.
    seams.browserOpens = true;
    QTest::keyClick(nag, Qt::Key_N, Qt::AltModifier);
    QTRY_COMPARE(seams.launches.size(), 3);
    QCOMPARE(seams.messages.size(), 2);
    QCOMPARE(seams.launches[2], seams.launches[0]);
    nag->hide();
}

QTEST_MAIN(tst_NagScreen)
#include "tst_nagscreen.moc"

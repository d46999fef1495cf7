#include "app/forms_registry.h"
#include "app/translations.h"
#include "forms/form_style.h"
#include "forms/frmAbout.h"
#include "forms/menu_bar_style.h"
#include "forms/nag_texts.h"
#include "reading/symbol_catalogue.h"
#include "referral/tell_a_friend.h"
#include "support/seams.h"
#include "support/test_clock.h"
#include "support/text_fits.h"
#include "support/windows.h"

#include <QCheckBox>
#include <QCommandLineParser>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextLayout>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

// The program in Turkish and Greek: the catalogues are whole, the system's
// language is followed, and every window keeps its access keys apart and its
// texts whole in each language. English stays as it is written.
class tst_Translations : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void systemLanguageIsFollowed();
    void cLocaleSpeaksEnglish_data();
    void cLocaleSpeaksEnglish();
    void firstShippedLanguageWins_data();
    void firstShippedLanguageWins();

    void catalogueFinished_data();
    void catalogueFinished();
    void oneWordForOneThing_data();
    void oneWordForOneThing();

    void revealShowsTheTranslation_data();
    void revealShowsTheTranslation();
    void accessKeysUnique_data();
    void accessKeysUnique();
    void everyTextFits_data();
    void everyTextFits();
    void everyReadingFits_data();
    void everyReadingFits();
    void promptsCompareInTheirLanguage_data();
    void promptsCompareInTheirLanguage();
    void addressesStayTheSame();
    void qtTextsInTheLanguage_data();
    void qtTextsInTheLanguage();

private:
    static void useLanguage(const QString &language);
    static void languageColumn();
};

namespace {

// The key a caption gives Alt or a menu, lower-cased; "&&" is a plain "&".
QChar accessKey(const QString &caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&'))
            continue;
        if (caption[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return caption[i + 1].toLower();
    }
    return QChar();
}

int accessKeyCount(const QString &caption)
{
    int count = 0;
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            if (caption[i + 1] != QLatin1Char('&'))
                ++count;
            ++i;
        }
    }
    return count;
}

// Fails with the caption that takes a key already taken in the scope.
void checkKeysApart(const QString &scope, const QStringList &captions)
{
    QHash<QChar, QString> taken;
    for (const QString &caption : captions) {
        const QChar key = accessKey(caption);
        if (key.isNull())
            continue;
        QVERIFY2(!taken.contains(key), qPrintable(scope + ": \"" + caption + "\" and \"" +
                                                  taken.value(key) + "\" share a key"));
        taken.insert(key, caption);
    }
}

struct Message
{
    QString context;
    QString source;
    QString translation;
    QString type;
};

// The messages of a .ts file; lupdate writes a carriage return as <byte value="xd"/>.
QList<Message> readCatalogue(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message *current = nullptr;
    QString *text = nullptr;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto name = xml.name();
            if (name == QLatin1String("message")) {
                messages.append({context, {}, {}, {}});
                current = &messages.last();
            } else if (name == QLatin1String("name") && !current) {
                context = xml.readElementText();
            } else if (current && name == QLatin1String("source")) {
                text = &current->source;
            } else if (current && name == QLatin1String("translation")) {
                text = &current->translation;
                current->type = xml.attributes().value(QLatin1String("type")).toString();
            } else if (text && name == QLatin1String("byte")) {
                *text += QChar(xml.attributes().value(QLatin1String("value")).toInt(nullptr, 16));
            }
        } else if (xml.isCharacters() && text) {
            *text += xml.text();
        } else if (xml.isEndElement()) {
            if (xml.name() == QLatin1String("source") || xml.name() == QLatin1String("translation"))
                text = nullptr;
            else if (xml.name() == QLatin1String("message"))
                current = nullptr;
        }
    }
    if (xml.hasError())
        return {};
    return messages;
}

QStringList captions(const QList<QAction *> &actions)
{
    QStringList texts;
    for (const QAction *action : actions)
        texts.append(action->text());
    return texts;
}

// What Qt itself shows: the text boxes' context menus, and the command line's
// help and mistakes.
QStringList qtTexts()
{
    QStringList texts;
    QLineEdit line;
    QPlainTextEdit lines;
    const std::unique_ptr<QMenu> menus[] = {
        std::unique_ptr<QMenu>(line.createStandardContextMenu()),
        std::unique_ptr<QMenu>(lines.createStandardContextMenu())};
    for (const std::unique_ptr<QMenu> &menu : menus) {
        for (const QAction *action : menu->actions())
            if (!action->isSeparator())
                texts.append(action->text());
    }
    QCommandLineParser parser;
    parser.addOptions(
        {QCommandLineOption(QStringLiteral("help")),
         QCommandLineOption(QStringLiteral("platform"), QString(), QStringLiteral("value"))});
    for (const QStringList &mistake : {QStringList{"--bogus"}, QStringList{"--bogus", "--worse"},
                                       QStringList{"--platform"}, QStringList{"--help=x"}}) {
        parser.parse(QStringList{"brewlore"} + mistake);
        texts.append(parser.errorText());
    }
    const QStringList help = parser.helpText().split(QLatin1Char('\n'));
    texts.append(help.value(0)); // "Usage: … [options]"
    texts.append(help.filter(QRegularExpression(QStringLiteral("^\\S.*:$")))); // "Options:"
    return texts;
}

// Whether a word-wrapped label, laid out as it is drawn, leaves one word
// alone on its last line. A no-break space joins two words into one.
bool endsOnALoneWord(const QLabel *label)
{
    QTextLayout layout(label->text(), label->font());
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    int lines = 0;
    QString last;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(label->contentsRect().width());
        last = label->text().mid(line.textStart(), line.textLength()).trimmed();
        ++lines;
    }
    layout.endLayout();
    return lines > 1 && !last.contains(QLatin1Char(' ')) && !last.contains(QChar(0x00A0));
}

} // namespace

void tst_Translations::initTestCase()
{
    // The windows in the program's own style, as it shows them.
    QApplication::setStyle(forms::makeApplicationStyle());
}

void tst_Translations::cleanup()
{
    for (QTranslator *translator : qApp->findChildren<QTranslator *>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

void tst_Translations::useLanguage(const QString &language)
{
    if (language != QLatin1String("en"))
        QCOMPARE(InstallTranslations({language}), language);
}

void tst_Translations::languageColumn()
{
    QTest::addColumn<QString>("language");
    for (const char *language : {"en", "tr", "el"})
        QTest::newRow(language) << QString::fromLatin1(language);
}

void tst_Translations::systemLanguageIsFollowed()
{
    // CTest runs this program in C.UTF-8, tr_TR.UTF-8 and el_GR.UTF-8.
    const QString locale = qEnvironmentVariable("LC_ALL");
    const QString expected = locale.startsWith(QLatin1String("C")) ? QString() : locale.left(2);
    QCOMPARE(InstallTranslations(), expected);
    const QHash<QString, QStringList> shown{
        {"", {"&File", "ANCHOR", "This symbol stands for change and settling at a new place. "}},
        {"tr", {"&Dosya", "ÇAPA", "Değişime ve yeni bir yere yerleşmeye işaret eder."}},
        {"el",
         {"&Αρχείο", "ΑΓΚΥΡΑ", "Αυτό το σύμβολο σημαίνει αλλαγή και εγκατάσταση σε νέο τόπο."}},
    };
    QVERIFY(shown.contains(expected));
    forms::frmMain window;
    QCOMPARE(window.menuBar()->actions().value(0)->text(), shown[expected][0]);
    modSymbols::LoadSymbols();
    QCOMPARE(modSymbols::ShownName(1), shown[expected][1]);
    QCOMPARE(modSymbols::ShownMeaning(1), shown[expected][2]);
    QCOMPARE(modSymbols::SymbolNames[1], QStringLiteral("ANCHOR")); // the table stays English
}

void tst_Translations::cLocaleSpeaksEnglish_data()
{
    QTest::addColumn<QByteArray>("lcAll");
    QTest::addColumn<QByteArray>("lcMessages");
    QTest::addColumn<QByteArray>("lang");
    QTest::newRow("C") << QByteArray("C") << QByteArray("tr_TR.UTF-8") << QByteArray("el_GR");
    QTest::newRow("C.UTF-8") << QByteArray("C.UTF-8") << QByteArray() << QByteArray("tr_TR");
    QTest::newRow("POSIX messages") << QByteArray() << QByteArray("POSIX") << QByteArray("el_GR");
    QTest::newRow("C language") << QByteArray() << QByteArray() << QByteArray("C");
    QTest::newRow("nothing set") << QByteArray() << QByteArray() << QByteArray();
}

void tst_Translations::cLocaleSpeaksEnglish()
{
#ifdef Q_OS_WIN
    QSKIP("Windows has no C locale: the language is the user's Windows setting.");
#endif
    QFETCH(QByteArray, lcAll);
    QFETCH(QByteArray, lcMessages);
    QFETCH(QByteArray, lang);
    const QByteArray saved = qgetenv("LC_ALL");
    qputenv("LC_ALL", lcAll);
    qputenv("LC_MESSAGES", lcMessages);
    qputenv("LANG", lang);
    qputenv("LANGUAGE", "tr:el"); // ignored under C, as gettext ignores it
    const QStringList wanted = WantedLanguages();
    qputenv("LC_ALL", saved);
    qunsetenv("LC_MESSAGES");
    qunsetenv("LANG");
    qunsetenv("LANGUAGE");
    QVERIFY2(wanted.isEmpty(), qPrintable(wanted.join(',')));
    QCOMPARE(InstallTranslations(wanted), QString());
    QCOMPARE(forms::productCaption(), QStringLiteral("Brewlore v1.15"));
}

void tst_Translations::firstShippedLanguageWins_data()
{
    QTest::addColumn<QStringList>("wanted");
    QTest::addColumn<QString>("installed");
    QTest::newRow("Turkish") << QStringList{"tr-TR"} << "tr";
    QTest::newRow("Greek in Cyprus") << QStringList{"el-CY"} << "el";
    QTest::newRow("unshipped, then Greek") << QStringList{"de-DE", "de", "el-GR"} << "el";
    QTest::newRow("English before Turkish") << QStringList{"en-GB", "tr"} << "";
    QTest::newRow("unreadable, then Turkish") << QStringList{"C", "tr"} << "tr";
    QTest::newRow("nothing shipped") << QStringList{"fr-FR", "de"} << "";
    QTest::newRow("none") << QStringList{} << "";
}

void tst_Translations::firstShippedLanguageWins()
{
    QFETCH(QStringList, wanted);
    QFETCH(QString, installed);
    QCOMPARE(InstallTranslations(wanted), installed);
    const QHash<QString, QString> file{{"", "&File"}, {"tr", "&Dosya"}, {"el", "&Αρχείο"}};
    QCOMPARE(QCoreApplication::translate("forms::frmMain", "&File"), file.value(installed));
}

void tst_Translations::catalogueFinished_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("Turkish") << "tr";
    QTest::newRow("Greek") << "el";
}

void tst_Translations::catalogueFinished()
{
    QFETCH(QString, language);
    const QList<Message> messages =
        readCatalogue(QStringLiteral(BREWLORE_TRANSLATIONS_DIR "/brewlore_%1.ts").arg(language));
    const QList<Message> turkish =
        readCatalogue(QStringLiteral(BREWLORE_TRANSLATIONS_DIR "/brewlore_tr.ts"));
    QVERIFY(!messages.isEmpty());
    QCOMPARE(messages.size(), turkish.size()); // both catalogues hold the same texts
    static const QRegularExpression placeholder(QStringLiteral("%\\d"));
    for (qsizetype i = 0; i < messages.size(); ++i) {
        const Message &m = messages[i];
        const QString where = m.context + ": " + m.source;
        QCOMPARE(m.source, turkish[i].source);
        QVERIFY2(m.type.isEmpty(), qPrintable(m.type + " - " + where));
        QVERIFY2(!m.translation.trimmed().isEmpty(), qPrintable(where));
        QVERIFY2(accessKeyCount(m.translation) == accessKeyCount(m.source), qPrintable(where));
        QVERIFY2(m.translation.count(placeholder) == m.source.count(placeholder),
                 qPrintable(where));
        QVERIFY2(m.translation.count(QLatin1Char('\r')) == m.source.count(QLatin1Char('\r')),
                 qPrintable(where));
    }
    // Every text of the program and every symbol: 79 names (CROSS twice is
    // one text) and 79 meanings.
    const auto symbols = std::count_if(messages.begin(), messages.end(), [](const Message &m) {
        return m.context == QLatin1String("modSymbols");
    });
    QCOMPARE(int(symbols), 79 - 1 + 79);
}

void tst_Translations::oneWordForOneThing_data()
{
    // The words translations/README.md sets aside, so that a text added
    // later says the same thing with the same word.
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("avoided");
    const char *const rows[][2] = {
        {"tr", "simge"},     {"tr", "\\b(ortak|tam) marka\\b"},
        {"tr", "tavsiye"},   {"tr", "\\bbasın\\b"},
        {"el", "ανάγνωσ"},   {"el", "συν-επωνυμ"},
        {"el", "online"},    {"el", "[\"']"},
        {"tr", "Softwares"}, {"el", "Softwares"},
    };
    for (const auto &row : rows)
        QTest::addRow("%s %s", row[0], row[1]) << row[0] << row[1];
}

void tst_Translations::oneWordForOneThing()
{
    QFETCH(QString, language);
    QFETCH(QString, avoided);
    const QRegularExpression word(avoided, QRegularExpression::CaseInsensitiveOption |
                                               QRegularExpression::UseUnicodePropertiesOption);
    const QList<Message> messages =
        readCatalogue(QStringLiteral(BREWLORE_TRANSLATIONS_DIR "/brewlore_%1.ts").arg(language));
    QVERIFY(!messages.isEmpty());
    for (const Message &m : messages)
        QVERIFY2(!m.translation.contains(word), qPrintable(m.context + ": " + m.translation));
}

void tst_Translations::revealShowsTheTranslation_data() { catalogueFinished_data(); }

void tst_Translations::revealShowsTheTranslation()
{
    // The reveal fills the reading in the reader's language, while the
    // catalogue's tables stay English.
    QFETCH(QString, language);
    useLanguage(language);
    Seams seams;
    TestClock clock;
    seams.feedRandom({19.5f / 79}); // slot 20, the second CROSS
    FormsRegistry forms;
    forms::frmMain *main = forms.Main();
    main->show();
    QTest::mouseClick(main->findChild<QWidget *>("picCoffeePot"), Qt::LeftButton);
    forms::frmDisplay *display = forms.Display();
    QVERIFY(display->isVisible());
    const QString name = display->findChild<QLabel *>("lblElement")->text();
    QCOMPARE(name, modSymbols::ShownName(20));
    QVERIFY(name != modSymbols::SymbolNames[20]);
    QCOMPARE(display->findChild<QLabel *>("lblDesc")->text(), modSymbols::ShownMeaning(20));
    QVERIFY(seams.messages.isEmpty());
}

void tst_Translations::accessKeysUnique_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("window");
    for (const char *language : {"en", "tr", "el"})
        for (const char *window : {"main", "reading", "about", "exit", "message box"})
            QTest::addRow("%s %s", language, window) << language << window;
}

void tst_Translations::accessKeysUnique()
{
    QFETCH(QString, language);
    QFETCH(QString, window);
    useLanguage(language);
    Seams seams;
    if (window == QLatin1String("message box")) { // the update question's buttons
        checkKeysApart(window, {QCoreApplication::translate("QPlatformTheme", "&Yes"),
                                QCoreApplication::translate("QPlatformTheme", "&No")});
        return;
    }
    const std::unique_ptr<QWidget> made = makeWindow(window);
    QWidget *w = made.get();
    // Alt+key in the window reaches the menu bar's titles and the buttons alike.
    QStringList windowWide;
    if (auto *mainWindow = qobject_cast<QMainWindow *>(w)) {
        windowWide = captions(mainWindow->menuBar()->actions());
        for (QMenu *menu : mainWindow->menuBar()->findChildren<QMenu *>()) {
            QVERIFY(!menu->actions().isEmpty());
            checkKeysApart(menu->objectName(), captions(menu->actions()));
        }
    }
    for (QAbstractButton *button : w->findChildren<QAbstractButton *>())
        windowWide.append(button->text());
    checkKeysApart(window, windowWide);
    // The text boxes' own menu.
    for (QLineEdit *box : w->findChildren<QLineEdit *>()) {
        std::unique_ptr<QMenu> menu(box->createStandardContextMenu());
        checkKeysApart(box->objectName() + " menu", captions(menu->actions()));
        if (language != QLatin1String("en")) // Qt's own texts come in the language too
            QVERIFY(!captions(menu->actions()).join(' ').contains(QLatin1String("Paste")));
    }
}

void tst_Translations::everyTextFits_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("window");
    for (const char *language : {"en", "tr", "el"})
        for (const char *window : {"main", "reading", "about", "exit"})
            QTest::addRow("%s %s", language, window) << language << window;
}

void tst_Translations::everyTextFits()
{
    QFETCH(QString, language);
    QFETCH(QString, window);
    useLanguage(language);
    Seams seams;
    const std::unique_ptr<QWidget> shown = showWindow(window);
    QWidget *w = shown.get();
    QVERIFY(w);
    if (auto *mainWindow = qobject_cast<QMainWindow *>(w)) {
        // Every title on the bar, none folded away behind an extension button.
        QMenuBar *bar = mainWindow->menuBar();
        const QRect last = bar->actionGeometry(bar->actions().constLast());
        QVERIFY2(!last.isEmpty() && last.right() < bar->width(), qPrintable(window));
        // A title that can be chosen never looks disabled, active window or not.
        const QPalette shown = bar->palette();
        QCOMPARE(shown.color(QPalette::Inactive, QPalette::ButtonText),
                 shown.color(QPalette::Active, QPalette::ButtonText));
    }
    for (QWidget *child : namedControls(w)) {
        if (!child->isVisibleTo(w) || child->objectName() == QLatin1String("txtMessage"))
            continue;
        if (!linesBreakAsShown())
            continue;
        const QString cut = cutOffText(child, roomToFit(child));
        QVERIFY2(cut.isEmpty(), qPrintable(cut));
        auto *label = qobject_cast<QLabel *>(child);
        if (label && label->wordWrap() && !label->text().isEmpty() &&
            language != QLatin1String("en")) // English stays as written
            QVERIFY2(!endsOnALoneWord(label),
                     qPrintable(child->objectName() + " " + label->text()));
    }
    // The exit window shows one of its support texts, drawn at random: each
    // must fit in its place.
    if (window == QLatin1String("exit") && linesBreakAsShown()) {
        auto *support = w->findChild<QLabel *>(QStringLiteral("Label2"));
        for (int k = 0; k < 4; ++k) {
            support->setText(forms::SupportText(k));
            const QString cut = cutOffText(support, roomToFit(support));
            QVERIFY2(cut.isEmpty(), qPrintable(cut));
            QVERIFY2(language == QLatin1String("en") || !endsOnALoneWord(support),
                     qPrintable(support->text()));
        }
    }
    // The "Please Wait" text ends before the first of the dots drawn after it.
    if (const auto *wait = w->findChild<QLabel *>(QStringLiteral("pi"))) {
        const auto *dot = w->findChild<QWidget *>(QStringLiteral("shp1"));
        QVERIFY2(wait->geometry().right() < dot->x(), qPrintable(wait->text()));
    }
}

void tst_Translations::everyReadingFits_data() { languageColumn(); }

void tst_Translations::everyReadingFits()
{
    QFETCH(QString, language);
    useLanguage(language);
    forms::frmDisplay display;
    modSymbols::LoadSymbols();
    const auto *name = display.findChild<QLabel *>("lblElement");
    const auto *meaning = display.findChild<QLabel *>("lblDesc");
    const QRect frame = name->parentWidget()->rect();
    for (int slot = 1; slot <= modSymbols::SymbolCount; ++slot) {
        display.ShowReading(modSymbols::ShownName(slot), modSymbols::ShownMeaning(slot));
        const QString what = QString::number(slot) + " " + name->text();
        QVERIFY2(frame.contains(name->geometry()), qPrintable(what));
        QVERIFY2(name->sizeHint().width() <= roomToFit(name).width(), qPrintable(what));
        const QSize room = roomToFit(meaning);
        QVERIFY2(meaning->heightForWidth(room.width()) <= room.height(), qPrintable(what));
        if (language != QLatin1String("en")) {
            QVERIFY2(name->text() != modSymbols::SymbolNames[slot], qPrintable(what));
            if (linesBreakAsShown())
                QVERIFY2(!endsOnALoneWord(meaning), qPrintable(what + " " + meaning->text()));
        }
    }
}

void tst_Translations::promptsCompareInTheirLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("namePrompt");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("en") << "en"
                        << "Your Name"
                        << "Please Enter Your Name";
    QTest::newRow("tr") << "tr"
                        << "Adınız"
                        << "Lütfen adınızı girin";
    QTest::newRow("el") << "el"
                        << "Το όνομά σας"
                        << "Εισαγάγετε το όνομά σας";
}

void tst_Translations::promptsCompareInTheirLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, namePrompt);
    QFETCH(QString, refusal);
    useLanguage(language);
    Seams seams;
    FormsRegistry forms;
    forms::frmNagScreen2 *nag = forms.NagScreen();
    QCOMPARE(nag->findChild<QLineEdit *>("txtName")->text(), namePrompt);
    using modTellAFriend::Prompt;
    QCOMPARE(modTellAFriend::PromptText(Prompt::ReferrerName), namePrompt);

    // The button on the untouched form: the two e-mail prompts differ and
    // hold no "@", so the address check answers first, as in English.
    nag->findChild<QPushButton *>("cmdSubmit")->click();
    QCOMPARE(seams.messages.size(), 1);
    QCOMPARE(seams.messages[0].text,
             QCoreApplication::translate("modTellAFriend", "Please Enter Proper Email Address"));

    // A prompt left in a box is no value; the English prompt typed in a
    // translated program is a name like any other.
    const modTellAFriend::Referral prompted{namePrompt, "ann@mail.example", "Hello", "Bob",
                                            "bob@mail.example"};
    QCOMPARE(modTellAFriend::ReferralRefusal(prompted), refusal);
    const modTellAFriend::Referral typed{"Your Name", "ann@mail.example", "Hello", "Bob",
                                         "bob@mail.example"};
    QCOMPARE(modTellAFriend::ReferralRefusal(typed).isEmpty(), language != QLatin1String("en"));
}

void tst_Translations::addressesStayTheSame()
{
    Seams seams;
    const modTellAFriend::Referral values{"Ann", "ann@mail.example", "Merhaba", "Bob",
                                          "bob@mail.example"};
    const QString english = modTellAFriend::RequestAddress(values);
    for (const char *language : {"tr", "el"}) {
        cleanup();
        useLanguage(QLatin1String(language));
        QCOMPARE(modTellAFriend::RequestAddress(values), english);
        FormsRegistry forms;
        forms.Main()->findChild<QAction *>("mnuDonate")->trigger();
    }
    QCOMPARE(seams.launches.size(), 2);
    QCOMPARE(seams.launches[0], seams.launches[1]);
    QVERIFY(seams.launches[0].endsWith(QLatin1String("/brewlore/ssd.php?page=donate")));
}

void tst_Translations::qtTextsInTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("tr") << "tr";
    QTest::newRow("el") << "el"; // the system has no Qt catalogue in Greek
}

void tst_Translations::qtTextsInTheLanguage()
{
    QFETCH(QString, language);
    const QStringList english = qtTexts();
    useLanguage(language);
    const QStringList translated = qtTexts();
    QCOMPARE(translated.size(), english.size());
    for (qsizetype i = 0; i < english.size(); ++i)
        QVERIFY2(translated[i] != english[i], qPrintable(english[i]));
}

QTEST_MAIN(tst_Translations)
#include "tst_translations.moc"

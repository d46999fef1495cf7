#include "referral/tell_a_friend.h"
#include "support/seams.h"
#include "web/site_pages.h"

#include <QTest>
#include <QUrl>

using modTellAFriend::Referral;
Q_DECLARE_METATYPE(Referral)

namespace {

const Referral Valid{QStringLiteral("Ann"), QStringLiteral("ann@mail.example"),
                     QStringLiteral("Hello"), QStringLiteral("Bob"),
                     QStringLiteral("bob@mail.example")};

// The query of a request address, split at its "&" and "=" without decoding.
QList<QPair<QString, QString>> rawQuery(const QString &address)
{
    QList<QPair<QString, QString>> fields;
    const QString query = address.mid(address.indexOf(QLatin1Char('?')) + 1);
    for (const QString &field : query.split(QLatin1Char('&'))) {
        const qsizetype equals = field.indexOf(QLatin1Char('='));
        fields.append({field.left(equals), field.mid(equals + 1)});
    }
    return fields;
}

} // namespace

class tst_Referral : public QObject
{
    Q_OBJECT
private slots:
    void plainRequestAddress();
    void hostileValuesArriveAsTyped_data();
    void hostileValuesArriveAsTyped();
    void requestChecks_data();
    void requestChecks();
    void sharedRequestLimit_data();
    void sharedRequestLimit();
    void messageOfLineBreaksFits();
    void oneFailureBoxAtATime();
};

void tst_Referral::plainRequestAddress()
{
    const QString base = modHelp::SiteBaseAddress();
    const QString product = QString(base)
                                .replace(QLatin1String(":"), QLatin1String("%3A"))
                                .replace(QLatin1String("/"), QLatin1String("%2F")) +
                            QLatin1String("%2Fbrewlore%2F");
    QCOMPARE(modTellAFriend::RequestAddress(Valid),
             base +
                 "/brewlore/ssd.php?page=qlqs-refer-a-friend&taf1=Ann&taf2=ann%40mail.example"
                 "&taf3=Hello&taf4=Bob&taf5=bob%40mail.example&taf6=" +
                 product);
}

void tst_Referral::hostileValuesArriveAsTyped_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("ampersand and equals") << QStringLiteral("a&b=c");
    QTest::newRow("hash question plus") << QStringLiteral("#?+");
    QTest::newRow("line break") << QStringLiteral("Hi\r\nthere");
    QTest::newRow("spaces") << QStringLiteral("Ann  Lee");
    QTest::newRow("accent") << QStringLiteral("\u00e9");
    QTest::newRow("japanese") << QStringLiteral("\u65e5\u672c");
    QTest::newRow("emoji") << QStringLiteral("\U0001F600");
    QTest::newRow("percent escape lookalike") << QStringLiteral("%41");
}

void tst_Referral::hostileValuesArriveAsTyped()
{
    QFETCH(QString, value);
    const Referral values{value + "1", value + "2", value + "3", value + "4", value + "5"};
    const QString address = modTellAFriend::RequestAddress(values);

    QVERIFY(address.startsWith(modHelp::SitePageAddress(QStringLiteral("qlqs-refer-a-friend")) +
                               QLatin1Char('&')));
    const auto fields = rawQuery(address);
    QCOMPARE(fields.size(), 7);
    QCOMPARE(fields[0].second, QStringLiteral("qlqs-refer-a-friend"));
    const QString expected[] = {values.referrerName, values.referrerEmail,
                                values.message,      values.friendName,
                                values.friendEmail,  modHelp::ProductPageAddress()};
    for (int i = 1; i <= 6; ++i) {
        const QString raw = fields[i].second;
        QCOMPARE(fields[i].first, QStringLiteral("taf%1").arg(i));
        for (const char *unsafe : {"&", "=", "#", "+", " ", "\r", "\n", "?"})
            QVERIFY2(!raw.contains(QLatin1String(unsafe)), qPrintable(raw));
        QCOMPARE(QUrl::fromPercentEncoding(raw.toLatin1()), expected[i - 1]);
    }
}

void tst_Referral::requestChecks_data()
{
    QTest::addColumn<Referral>("values");
    QTest::addColumn<QString>("message");
    const auto with = [](QString Referral::*field, const char *text) {
        Referral values = Valid;
        values.*field = QLatin1String(text);
        return values;
    };
    // The window's own checks refuse an empty or prompt address before the
    // request sees it; these messages only guard the request itself.
    QTest::newRow("all given") << Valid << QString();
    QTest::newRow("email prompt") << with(&Referral::referrerEmail, "Your Email Address")
                                  << "Please Enter Your Email";
    QTest::newRow("friend's email empty")
        << with(&Referral::friendEmail, "") << "Please Enter Your Friend's Email";
    QTest::newRow("name checked first")
        << Referral{"Your Name", "", "", "", ""} << "Please Enter Your Name";
}

void tst_Referral::requestChecks()
{
    QFETCH(Referral, values);
    QFETCH(QString, message);
    Seams seams;
    modTellAFriend::ReferralUrl = QStringLiteral("earlier request");
    modTellAFriend::Stored = values;

    modTellAFriend::SendReferral();

    if (message.isEmpty()) {
        QVERIFY(seams.messages.isEmpty());
        QCOMPARE(seams.launches, QStringList{modTellAFriend::RequestAddress(values)});
        QCOMPARE(modTellAFriend::ReferralUrl, seams.launches.first());
    } else {
        QCOMPARE(seams.messages.size(), 1);
        QCOMPARE(seams.messages[0].text, message);
        QCOMPARE(seams.messages[0].flags, int(platform::vbCritical));
        QVERIFY(seams.launches.isEmpty());
        QCOMPARE(modTellAFriend::ReferralUrl, QStringLiteral("earlier request"));
    }
}

void tst_Referral::sharedRequestLimit_data()
{
    // Sent, or refused with the one message that says what to shorten: the
    // same on every system, since the limit is what all of them launch.
    using namespace modTellAFriend;
    QTest::addColumn<Referral>("values");
    QTest::addColumn<bool>("sent");
    const auto filled = [](const QString &unit) {
        const auto fill = [&](int bound) { return unit.repeated(bound / unit.size()); };
        return Referral{fill(MaxNameLength), fill(MaxEmailLength), fill(MaxMessageLength),
                        fill(MaxNameLength), fill(MaxEmailLength)};
    };
    QTest::newRow("ASCII letters at every bound") << filled(QStringLiteral("a")) << true;
    QTest::newRow("reserved ASCII at every bound") << filled(QStringLiteral("&")) << false;
    QTest::newRow("emoji at every bound") << filled(QStringLiteral("\U0001F600")) << false;
    Referral greek = Valid;
    greek.referrerName = greek.friendName = QString(MaxNameLength, QChar(0x03B1));
    QTest::newRow("Greek names at their bound") << greek << true;
    greek = Valid;
    greek.referrerEmail = QString(240, QChar(0x03B1)) + QStringLiteral("@a.gr");
    greek.friendEmail = QString(240, QChar(0x03B2)) + QStringLiteral("@b.gr");
    QTest::newRow("two addresses of 240 Greek letters") << greek << false;
    Referral edge = Valid;
    edge.friendName += QString(MaxRequestLength - RequestAddress(Valid).size(), QLatin1Char('b'));
    QTest::newRow("at the limit") << edge << true;
    edge.friendName += QLatin1Char('b');
    QTest::newRow("one past the limit") << edge << false;
}

void tst_Referral::sharedRequestLimit()
{
    QFETCH(Referral, values);
    QFETCH(bool, sent);
    Seams seams;
    modTellAFriend::Stored = values;
    modTellAFriend::SendReferral();
    if (sent) {
        QCOMPARE(seams.launches.size(), 1);
        QVERIFY(seams.messages.isEmpty());
        QVERIFY(seams.launches[0].size() <= platform::MaxAddressLength);
        return;
    }
    QVERIFY(seams.launches.isEmpty());
    QCOMPARE(seams.messages.size(), 1);
    QCOMPARE(seams.messages[0].text, modTellAFriend::TooLongText());
    QCOMPARE(seams.messages[0].flags, int(platform::vbCritical));
}

void tst_Referral::messageOfLineBreaksFits()
{
    // A line break is one character in the box and two, CR LF, in the value.
    using namespace modTellAFriend;
    Referral values;
    values.message = QStringLiteral("\r\n").repeated(MaxMessageLength);
    const int cost = RequestAddress(values).size() - RequestAddress({}).size();
    QCOMPARE(cost, 6 * MaxMessageLength); // below the 9 of the dearest characters
}

void tst_Referral::oneFailureBoxAtATime()
{
    // Presses whose launch fails while the box is up are sent all the same,
    // and the one box speaks for them.
    Seams seams;
    seams.browserOpens = false;
    modTellAFriend::ReferralUrl = QStringLiteral("https://a.example/");
    int shown = 0;
    platform::MsgBox.replace([&](const QString &, int) {
        if (++shown == 1) {
            modTellAFriend::OpenReferralPage();
            modTellAFriend::OpenReferralPage();
        }
        return int(platform::vbOK);
    });
    modTellAFriend::OpenReferralPage();
    QCOMPARE(seams.launches.size(), 3);
    QCOMPARE(shown, 1);
    // Once it is closed, the next failure is told again.
    modTellAFriend::OpenReferralPage();
    QCOMPARE(shown, 2);
}

QTEST_MAIN(tst_Referral)
#include "tst_referral.moc"

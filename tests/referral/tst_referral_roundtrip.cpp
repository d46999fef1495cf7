#include "referral/tell_a_friend.h"
#include "referral/trim.h"
#include "web/site_pages.h"

#include <QTest>
#include <random>

using modTellAFriend::Referral;

namespace {

// Characters a form decoder or a hand-built query gets wrong, weighted in.
const char32_t Awkward[] = {U'&',  U'=',  U'#', U'%', U'+',   U'?',   U' ',   U'\r',    U'\n',
                            U'\t', U'\0', 0x7F, 0xA0, 0x2028, 0xFEFF, 0xFFFD, 0x10FFFF, 0x1F600};

// A random text of up to 24 characters from all of Unicode: awkward ASCII,
// control characters, the rest of the Basic Multilingual Plane and the
// planes above it (never a lone surrogate, which is not a character).
QString randomText(std::mt19937 &g)
{
    std::uniform_int_distribution<int> length(0, 24), kind(0, 4);
    QString text;
    for (int n = length(g); n > 0; --n) {
        char32_t c;
        switch (kind(g)) {
        case 0:
            c = Awkward[std::uniform_int_distribution<size_t>(0, std::size(Awkward) - 1)(g)];
            break;
        case 1:
            c = std::uniform_int_distribution<char32_t>(0x00, 0x7F)(g);
            break;
        case 2:
            c = std::uniform_int_distribution<char32_t>(0x80, 0xD7FF)(g);
            break;
        case 3:
            c = std::uniform_int_distribution<char32_t>(0xE000, 0xFFFF)(g);
            break;
        default:
            c = std::uniform_int_distribution<char32_t>(0x10000, 0x10FFFF)(g);
            break;
        }
        text += QString::fromUcs4(&c, 1);
    }
    return text;
}

// What a web page reads from one query value: "+" is a blank there, and
// %XX escapes are UTF-8 bytes.
QString pageReads(QByteArray raw)
{
    raw.replace('+', ' ');
    return QString::fromUtf8(QByteArray::fromPercentEncoding(raw));
}

} // namespace

// Random texts typed into the four fields and the message reach the page
// exactly as the form sends them: trimmed of blanks at either end, nothing
// else changed, and never a field more or less.
class tst_ReferralRoundTrip : public QObject
{
    Q_OBJECT
private slots:
    void everyTextArrivesAsTyped();
};

void tst_ReferralRoundTrip::everyTextArrivesAsTyped()
{
    std::mt19937 g(20261208u); // fixed: a failure can be replayed
    const QString page = modHelp::SitePageAddress(QStringLiteral("qlqs-refer-a-friend"));
    const QString product = modHelp::ProductPageAddress();
    const QByteArray keys[] = {"page", "taf1", "taf2", "taf3", "taf4", "taf5", "taf6"};
    for (int round = 0; round < 20000; ++round) {
        QString typed[5];
        for (QString &text : typed)
            text = randomText(g);
        const Referral values{referral::TrimBlanks(typed[0]), referral::TrimBlanks(typed[1]),
                              referral::TrimBlanks(typed[2]), referral::TrimBlanks(typed[3]),
                              referral::TrimBlanks(typed[4])};
        const QString address = modTellAFriend::RequestAddress(values);

        QVERIFY(address.startsWith(page + QLatin1Char('&')));
        const QByteArray query = address.toUtf8().mid(address.indexOf(QLatin1Char('?')) + 1);
        const QList<QByteArray> fields = query.split('&');
        QCOMPARE(fields.size(), 7);
        const QString expected[] = {QStringLiteral("qlqs-refer-a-friend"),
                                    values.referrerName,
                                    values.referrerEmail,
                                    values.message,
                                    values.friendName,
                                    values.friendEmail,
                                    product};
        for (int i = 0; i < 7; ++i) {
            const qsizetype equals = fields[i].indexOf('=');
            QCOMPARE(fields[i].left(equals), keys[i]);
            if (pageReads(fields[i].mid(equals + 1)) != expected[i])
                QFAIL(qPrintable(QStringLiteral("round %1, %2: %3 arrived as %4")
                                     .arg(round)
                                     .arg(QLatin1String(keys[i]), expected[i].toHtmlEscaped(),
                                          pageReads(fields[i].mid(equals + 1)).toHtmlEscaped())));
        }
    }
}

QTEST_APPLESS_MAIN(tst_ReferralRoundTrip)
#include "tst_referral_roundtrip.moc"

#include "web/settings_transform.h"

#include <QRegularExpression>
#include <QtTest>

// The mapping that keeps setting names and values out of plain sight: every
// text comes back exactly, and what reaches the store is safe as a key name.
class tst_SettingsTransform : public QObject
{
    Q_OBJECT
private slots:
    void roundTrip_data();
    void roundTrip();
    void notFromTheTransform_data();
    void notFromTheTransform();
};

void tst_SettingsTransform::roundTrip_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("empty") << QString();
    QTest::newRow("key name") << QStringLiteral("Duration");
    QTest::newRow("iso date") << QStringLiteral("2026-12-08");
    QTest::newRow("store separators") << QStringLiteral("a/b\\c=d;e,f [g] #h \"i\" %j");
    QTest::newRow("line breaks") << QStringLiteral("one\rtwo\nthree\r\n");
    QTest::newRow("non-ascii") << QStringLiteral("Kaffeesatz für Grüße, 珈琲, καφές");
    QTest::newRow("outside the basic plane") << QStringLiteral("cup \U0001F375 and \U0001D11E");
    QTest::newRow("unpaired surrogate") << (QStringLiteral("x") + QChar(0xD800) + QChar(0x41));
    QTest::newRow("nul and the largest unit")
        << (QString(QChar(0x0000)) + QChar(0xFFFF) + QChar(0x0001));
    QString longText;
    for (int i = 0; i < 100000; ++i)
        longText += QChar(char16_t(0x20 + i % 0xFFC0));
    QTest::newRow("very long, every unit") << longText;
}

void tst_SettingsTransform::roundTrip()
{
    QFETCH(QString, text);
    const QString encoded = settings::Encode(text);
    const std::optional<QString> decoded = settings::Decode(encoded);
    QVERIFY(decoded.has_value());
    QCOMPARE(*decoded, text);
    if (!text.isEmpty())
        QVERIFY(encoded != text);
    static const QRegularExpression storeSafe(QStringLiteral("\\A[0-9A-F]*\\z"));
    QVERIFY(storeSafe.match(encoded).hasMatch());
}

void tst_SettingsTransform::notFromTheTransform_data()
{
    QTest::addColumn<QString>("stored");

    QTest::newRow("plain text") << QStringLiteral("Duration");
    QTest::newRow("plain date") << QStringLiteral("12/8/2026");
    QTest::newRow("length not a multiple of four") << QStringLiteral("00440");
    QTest::newRow("sign inside a unit") << QStringLiteral("-044");
    QTest::newRow("blank inside a unit") << QStringLiteral("0044 075");
    QTest::newRow("non-ascii digit") << QStringLiteral("00٤٤");
}

void tst_SettingsTransform::notFromTheTransform()
{
    QFETCH(QString, stored);
    QVERIFY(!settings::Decode(stored).has_value());
}

QTEST_APPLESS_MAIN(tst_SettingsTransform)
#include "tst_settings_transform.moc"

#include "platform/random.h"
#include "web/cobrand.h"

#include <QtTest>
#include <array>
#include <cmath>

// The co-brand draw: which number a random value gives, which offer each
// number brings forward, and how often over many real draws.
class tst_CoBrand : public QObject
{
    Q_OBJECT
private slots:
    void numberForValue_data();
    void numberForValue();
    void frontForNumber_data();
    void frontForNumber();
    void realDrawsFollowTheOdds();
};

Q_DECLARE_METATYPE(cobrand::Front)

void tst_CoBrand::numberForValue_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("number");

    const float twelfth = 1.0f / 12.0f;
    const float elevenTwelfths = 11.0f / 12.0f;
    QTest::newRow("zero") << 0.0f << 1;
    QTest::newRow("just below 1/12") << std::nextafter(twelfth, 0.0f) << 1;
    QTest::newRow("just above 1/12") << std::nextafter(twelfth, 1.0f) << 2;
    QTest::newRow("0.25 is 2.5, to even 2") << 0.25f << 2;
    QTest::newRow("just above 0.25") << std::nextafter(0.25f, 1.0f) << 3;
    QTest::newRow("0.5 is 4") << 0.5f << 4;
    QTest::newRow("just below 0.75") << std::nextafter(0.75f, 0.0f) << 5;
    QTest::newRow("0.75 is 5.5, to even 6") << 0.75f << 6;
    QTest::newRow("just below 11/12") << std::nextafter(elevenTwelfths, 0.0f) << 6;
    QTest::newRow("just above 11/12") << std::nextafter(elevenTwelfths, 1.0f) << 7;
    QTest::newRow("largest below 1") << std::nextafter(1.0f, 0.0f) << 7;
}

void tst_CoBrand::numberForValue()
{
    QFETCH(float, r);
    QFETCH(int, number);
    QCOMPARE(cobrand::CoBrandNumber(r), number);
}

void tst_CoBrand::frontForNumber_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<cobrand::Front>("front");

    for (int n : {1, 3, 5})
        QTest::addRow("%d co-brand", n) << n << cobrand::Front::CoBrand;
    for (int n : {2, 4, 6})
        QTest::addRow("%d full brand", n) << n << cobrand::Front::FullBrand;
    QTest::newRow("7 unchanged") << 7 << cobrand::Front::Unchanged;
}

void tst_CoBrand::frontForNumber()
{
    QFETCH(int, number);
    QFETCH(cobrand::Front, front);
    QCOMPARE(cobrand::FrontFor(number), front);
}

void tst_CoBrand::realDrawsFollowTheOdds()
{
    // 1 and 7 come with 1/12 each, 2 to 6 with 1/6 each; the offers with
    // 5/12 (co-brand), 1/2 (full brand) and 1/12 (unchanged).
    constexpr int Draws = 120000;
    platform::RandomizeWith(20261208u);
    std::array<int, 8> numbers{};
    std::array<int, 3> fronts{};
    for (int i = 0; i < Draws; ++i) {
        const int n = cobrand::CoBrandNumber(platform::Rnd());
        QVERIFY2(n >= 1 && n <= 7, qPrintable(QString::number(n)));
        ++numbers[size_t(n)];
        ++fronts[size_t(cobrand::FrontFor(n))];
    }

    // Six standard deviations: a correct draw never fails, while truncating
    // instead of rounding (1/6 for 1, nothing for 7) fails by far.
    const auto near = [](int count, double p) {
        const double expected = Draws * p;
        return std::abs(count - expected) < 6 * std::sqrt(expected * (1 - p));
    };
    QVERIFY2(near(numbers[1], 1.0 / 12), qPrintable(QString::number(numbers[1])));
    for (int n = 2; n <= 6; ++n)
        QVERIFY2(near(numbers[size_t(n)], 1.0 / 6),
                 qPrintable(QString::number(numbers[size_t(n)])));
    QVERIFY2(near(numbers[7], 1.0 / 12), qPrintable(QString::number(numbers[7])));

    QVERIFY(near(fronts[size_t(cobrand::Front::CoBrand)], 5.0 / 12));
    QVERIFY(near(fronts[size_t(cobrand::Front::FullBrand)], 1.0 / 2));
    QVERIFY(near(fronts[size_t(cobrand::Front::Unchanged)], 1.0 / 12));
}

QTEST_APPLESS_MAIN(tst_CoBrand)
#include "tst_cobrand.moc"

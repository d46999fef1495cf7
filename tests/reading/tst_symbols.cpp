#include "platform/random.h"
#include "reading/symbol_catalogue.h"
#include "reading/symbol_draw.h"

#include <QtTest>
#include <cmath>
#include <limits>

using namespace modSymbols;

class tst_Symbols : public QObject
{
    Q_OBJECT
private slots:
    // Runs first: nothing has loaded the catalogue yet in this process.
    void emptyBeforeFirstLoad();
    void irregularSlots_data();
    void irregularSlots();
    void slotZeroStaysEmpty();
    void loadingTwiceChangesNothing();
    void everySlotFilled();

    void drawEdges_data();
    void drawEdges();
    void drawWritesCurrentSymbol();
    void realDrawsAreUniform();
};

void tst_Symbols::emptyBeforeFirstLoad()
{
    QCOMPARE(CurrentSymbol, int16_t(0));
    for (int i = 0; i <= SymbolCount; ++i) {
        QVERIFY(SymbolNames[i].isEmpty());
        QVERIFY(SymbolMeanings[i].isEmpty());
    }
}

void tst_Symbols::irregularSlots_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("meaning");
    QTest::newRow("first cross") << 19 << "CROSS"
                                 << "Safeguarding, religious  devotion and sacrifice ";
    QTest::newRow("second cross") << 20 << "CROSS"
                                  << "Victory after much difficulty. ";
    QTest::newRow("mixed-case turtle") << 77 << "Turtle"
                                       << "You are implementing your plans at a low pace";
    QTest::newRow("two trailing blanks") << 18 << "COINS"
                                         << "Unexpected gain of money.  ";
    QTest::newRow("full stop, no blank") << 2 << "APPLE"
                                         << "This symbol implies new birth and creation.";
    QTest::newRow("double blank inside")
        << 13 << "CAT"
        << "A whimsical person.  You need not worry about white cats. Be on your guard if it is "
           "black. ";
    QTest::newRow("double blank and two trailing") << 29 << "FLAG"
                                                   << "symbol of fraternity and  peace.  ";
    QTest::newRow("fire works before fire") << 26 << "FIRE WORKS"
                                            << "Altercation and complications in your private life";
    QTest::newRow("longest name") << 17 << "CIRCLES WITH A DOT INSIDE"
                                  << "you can be a father/mother soon.";
    QTest::newRow("last slot") << 79 << "WHEEL"
                               << "A wheel in a good shape marks good fortune; if broken, the "
                                  "result will be negative";
}

void tst_Symbols::irregularSlots()
{
    QFETCH(int, slot);
    QFETCH(QString, name);
    QFETCH(QString, meaning);
    LoadSymbols();
    QCOMPARE(SymbolNames[slot], name);
    QCOMPARE(SymbolMeanings[slot], meaning);
}

void tst_Symbols::slotZeroStaysEmpty()
{
    LoadSymbols();
    QVERIFY(SymbolNames[0].isEmpty());
    QVERIFY(SymbolMeanings[0].isEmpty());
}

void tst_Symbols::loadingTwiceChangesNothing()
{
    LoadSymbols();
    const SymbolTable names = SymbolNames;
    const SymbolTable meanings = SymbolMeanings;
    LoadSymbols();
    QVERIFY(names == SymbolNames);
    QVERIFY(meanings == SymbolMeanings);
}

void tst_Symbols::everySlotFilled()
{
    LoadSymbols();
    QCOMPARE(SymbolMeanings[62].size(), 138); // the longest meaning
    for (int i = 1; i <= SymbolCount; ++i) {
        QVERIFY2(!SymbolNames[i].isEmpty() && !SymbolMeanings[i].isEmpty(),
                 qPrintable(QString::number(i)));
        // Names are in capitals, bar the one turtle.
        if (i != 77)
            QCOMPARE(SymbolNames[i], SymbolNames[i].toUpper());
    }
}

void tst_Symbols::drawEdges_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("symbol");
    QTest::newRow("zero") << 0.0f << 1;
    QTest::newRow("largest below one") << std::nextafter(1.0f, 0.0f) << 79;
    QTest::newRow("one half rounds down") << 0.5f << 40;
    QTest::newRow("just below the second slot") << std::nextafter(1.0f / 79, 0.0f) << 1;
    QTest::newRow("generator's largest") << float(0xFFFFFF) * 0x1p-24f << 79;
}

void tst_Symbols::drawEdges()
{
    QFETCH(float, r);
    QFETCH(int, symbol);
    QCOMPARE(int(SymbolForValue(r)), symbol);
}

void tst_Symbols::drawWritesCurrentSymbol()
{
    platform::Rnd.replace([] { return 0.5f; });
    DrawSymbol();
    platform::Rnd.replace({});
    QCOMPARE(CurrentSymbol, int16_t(40));
}

void tst_Symbols::realDrawsAreUniform()
{
    constexpr int draws = 79 * 2000;
    int counts[SymbolCount + 2] = {};
    platform::RandomizeWith(20261208u); // a fixed seed: a failure can be repeated
    for (int i = 0; i < draws; ++i) {
        DrawSymbol();
        QVERIFY(CurrentSymbol >= 1 && CurrentSymbol <= SymbolCount);
        ++counts[CurrentSymbol];
    }
    const double expected = double(draws) / SymbolCount;
    double chiSquare = 0;
    for (int i = 1; i <= SymbolCount; ++i)
        chiSquare += (counts[i] - expected) * (counts[i] - expected) / expected;
    // 78 degrees of freedom: the 99.99th percentile is about 136. A missing
    // slot, a doubled slot or a modulo bias lands far above it.
    QVERIFY2(chiSquare < 136.0, qPrintable(QString::number(chiSquare)));
}

QTEST_GUILESS_MAIN(tst_Symbols)
#include "tst_symbols.moc"

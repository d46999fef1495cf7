#include "symbol_catalogue.h"

#include <QCoreApplication>

// The 79 symbols as they have always been stored: the blanks, the lower-case
// first letters and the missing full stops show on screen as they are. The
// tables keep these English texts; a reading is translated as it is shown.

namespace modSymbols {

namespace {

struct Entry
{
    const char *name;
    const char *meaning;
};

const Entry catalogue[SymbolCount] = {
    /*  1 */ {QT_TRANSLATE_NOOP("modSymbols", "ANCHOR"),
              QT_TRANSLATE_NOOP("modSymbols",
                                "This symbol stands for change and settling at a new place. ")},
    /*  2 */
    {QT_TRANSLATE_NOOP("modSymbols", "APPLE"),
     QT_TRANSLATE_NOOP("modSymbols", "This symbol implies new birth and creation.")},
    /*  3 */
    {QT_TRANSLATE_NOOP("modSymbols", "ARCH"),
     QT_TRANSLATE_NOOP("modSymbols", "You can gain money from business. ")},
    /*  4 */
    {QT_TRANSLATE_NOOP("modSymbols", "BABY"),
     QT_TRANSLATE_NOOP("modSymbols",
                       "Fresh aspirations, purity and serenity. A new birth can be on the card.")},
    /*  5 */
    {QT_TRANSLATE_NOOP("modSymbols", "BALL"),
     QT_TRANSLATE_NOOP("modSymbols", "Putting the finishing touch, change in luck.")},
    /*  6 */
    {QT_TRANSLATE_NOOP("modSymbols", "BELL"),
     QT_TRANSLATE_NOOP("modSymbols", "Creative energy, heightened spirituality. ")},
    /*  7 */
    {QT_TRANSLATE_NOOP("modSymbols", "BIRD"),
     QT_TRANSLATE_NOOP("modSymbols", "You will get some good news soon.")},
    /*  8 */
    {QT_TRANSLATE_NOOP("modSymbols", "BREAD"),
     QT_TRANSLATE_NOOP("modSymbols", "Work hard to fulfill your desires. ")},
    /*  9 */
    {QT_TRANSLATE_NOOP("modSymbols", "BRIDGE"),
     QT_TRANSLATE_NOOP(
         "modSymbols",
         "Coping with tumultuous situation, a point of transition. A clear bridge signifies "
         "win over all difficulties. ")},
    /* 10 */
    {QT_TRANSLATE_NOOP("modSymbols", "BUTTERFLY"),
     QT_TRANSLATE_NOOP("modSymbols", "Flirtatious streak of mind. Transformation.")},
    /* 11 */
    {QT_TRANSLATE_NOOP("modSymbols", "CAMERA"),
     QT_TRANSLATE_NOOP("modSymbols",
                       "You may be regarded as highly attractive by some important person. ")},
    /* 12 */
    {QT_TRANSLATE_NOOP("modSymbols", "CANDLE"),
     QT_TRANSLATE_NOOP("modSymbols",
                       "Your long cherished dream can come true. Support from others.")},
    /* 13 */
    {QT_TRANSLATE_NOOP("modSymbols", "CAT"),
     QT_TRANSLATE_NOOP("modSymbols", "A whimsical person.  You need not worry about white cats. Be "
                                     "on your guard if it is black. ")},
    /* 14 */
    {QT_TRANSLATE_NOOP("modSymbols", "CHAIN"),
     QT_TRANSLATE_NOOP("modSymbols", "Think twice before changing anything")},
    /* 15 */
    {QT_TRANSLATE_NOOP("modSymbols", "CHAIR"),
     QT_TRANSLATE_NOOP("modSymbols", "A promotion, increase in social status")},
    /* 16 */
    {QT_TRANSLATE_NOOP("modSymbols", "CIRCLE"),
     QT_TRANSLATE_NOOP("modSymbols", "Accomplishment, finishing a work successfully")},
    /* 17 */
    {QT_TRANSLATE_NOOP("modSymbols", "CIRCLES WITH A DOT INSIDE"),
     QT_TRANSLATE_NOOP("modSymbols", "you can be a father/mother soon.")},
    /* 18 */
    {QT_TRANSLATE_NOOP("modSymbols", "COINS"),
     QT_TRANSLATE_NOOP("modSymbols", "Unexpected gain of money.  ")},
    /* 19 */
    {QT_TRANSLATE_NOOP("modSymbols", "CROSS"),
     QT_TRANSLATE_NOOP("modSymbols", "Safeguarding, religious  devotion and sacrifice ")},
    /* 20 */
    {QT_TRANSLATE_NOOP("modSymbols", "CROSS"),
     QT_TRANSLATE_NOOP("modSymbols", "Victory after much difficulty. ")},
    /* 21 */
    {QT_TRANSLATE_NOOP("modSymbols", "DIAMONDS"),
     QT_TRANSLATE_NOOP(
         "modSymbols",
         "You can expect a marriage proposal. If already married, wealth and prosperity is "
         "on the card.")},
    /* 22 */
    {QT_TRANSLATE_NOOP("modSymbols", "DOG"),
     QT_TRANSLATE_NOOP("modSymbols", "Finding a true friend, protection and loyalty")},
    /* 23 */
    {QT_TRANSLATE_NOOP("modSymbols", "DOOR"),
     QT_TRANSLATE_NOOP("modSymbols", "Something related to the government or new possibilities")},
    /* 24 */
    {QT_TRANSLATE_NOOP("modSymbols", "ENVELOPE"),
     QT_TRANSLATE_NOOP(
         "modSymbols",
         "A new message is coming. White envelope stands for good news while the dark one "
         "signifies bad news.")},
    /* 25 */
    {QT_TRANSLATE_NOOP("modSymbols", "EYE"),
     QT_TRANSLATE_NOOP("modSymbols", "someone is observing you ")},
    /* 26 */
    {QT_TRANSLATE_NOOP("modSymbols", "FIRE WORKS"),
     QT_TRANSLATE_NOOP("modSymbols", "Altercation and complications in your private life")},
    /* 27 */
    {QT_TRANSLATE_NOOP("modSymbols", "FIRE"),
     QT_TRANSLATE_NOOP(
         "modSymbols",
         "Be cautious while dealing with electrical equipments and inflammable things.")},
    /* 28 */
    {QT_TRANSLATE_NOOP("modSymbols", "FISH"),
     QT_TRANSLATE_NOOP("modSymbols", "good fortune in money matters.  ")},
    /* 29 */
    {QT_TRANSLATE_NOOP("modSymbols", "FLAG"),
     QT_TRANSLATE_NOOP("modSymbols", "symbol of fraternity and  peace.  ")},
    /* 30 */
    {QT_TRANSLATE_NOOP("modSymbols", "FLOWERS"),
     QT_TRANSLATE_NOOP("modSymbols", "Happy time for you!")},
    /* 31 */
    {QT_TRANSLATE_NOOP("modSymbols", "GENIE LAMP"),
     QT_TRANSLATE_NOOP("modSymbols", "Your dream may come true. ")},
    /* 32 */
    {QT_TRANSLATE_NOOP("modSymbols", "GOAT"),
     QT_TRANSLATE_NOOP("modSymbols", "This symbol signifies an austere person")},
    /* 33 */
    {QT_TRANSLATE_NOOP("modSymbols", "HAND"),
     QT_TRANSLATE_NOOP("modSymbols", "An open hand means help from your friends")},
    /* 34 */
    {QT_TRANSLATE_NOOP("modSymbols", "HARP"),
     QT_TRANSLATE_NOOP("modSymbols", "You may find the love of your life ")},
    /* 35 */
    {QT_TRANSLATE_NOOP("modSymbols", "HAWK"),
     QT_TRANSLATE_NOOP("modSymbols", "Someone is trying to snatch your possessions")},
    /* 36 */
    {QT_TRANSLATE_NOOP("modSymbols", "HEART"),
     QT_TRANSLATE_NOOP("modSymbols", "An indication of affection, tender feeling and good health")},
    /* 37 */
    {QT_TRANSLATE_NOOP("modSymbols", "HORSE"),
     QT_TRANSLATE_NOOP("modSymbols", "Galloping horse is a good omen")},
    /* 38 */
    {QT_TRANSLATE_NOOP("modSymbols", "HORSESHOE"),
     QT_TRANSLATE_NOOP("modSymbols", "Luck is in your favor")},
    /* 39 */
    {QT_TRANSLATE_NOOP("modSymbols", "HOUSE"),
     QT_TRANSLATE_NOOP("modSymbols", "Safety, change, fulfillment of your desire")},
    /* 40 */
    {QT_TRANSLATE_NOOP("modSymbols", "JUDGE"),
     QT_TRANSLATE_NOOP("modSymbols", "Trial and justice")},
    /* 41 */
    {QT_TRANSLATE_NOOP("modSymbols", "KANGAROO"),
     QT_TRANSLATE_NOOP("modSymbols", "You would achieve your target faster than you imagined")},
    /* 42 */
    {QT_TRANSLATE_NOOP("modSymbols", "KITE"),
     QT_TRANSLATE_NOOP("modSymbols", "Independence and an ambitious flight")},
    /* 43 */
    {QT_TRANSLATE_NOOP("modSymbols", "KNIFE"),
     QT_TRANSLATE_NOOP("modSymbols", "Be aware of deceitful friends")},
    /* 44 */
    {QT_TRANSLATE_NOOP("modSymbols", "KNOTS"),
     QT_TRANSLATE_NOOP("modSymbols",
                       "Complications in your life. Maintain a healthy routine everyday")},
    /* 45 */
    {QT_TRANSLATE_NOOP("modSymbols", "LADDER"),
     QT_TRANSLATE_NOOP("modSymbols",
                       "Increase in prestige, a high position in social hierarchy or a promotion")},
    /* 46 */
    {QT_TRANSLATE_NOOP("modSymbols", "LAMP"),
     QT_TRANSLATE_NOOP("modSymbols", "A sudden flash of new idea")},
    /* 47 */
    {QT_TRANSLATE_NOOP("modSymbols", "LAWYER"),
     QT_TRANSLATE_NOOP("modSymbols", "You will sign an agreement soon")},
    /* 48 */
    {QT_TRANSLATE_NOOP("modSymbols", "LINES"),
     QT_TRANSLATE_NOOP(
         "modSymbols",
         "Tour and undertaking new project. Clear lines signify a favorable outcome.")},
    /* 49 */
    {QT_TRANSLATE_NOOP("modSymbols", "LION"),
     QT_TRANSLATE_NOOP("modSymbols", "A powerful mentor or friend")},
    /* 50 */
    {QT_TRANSLATE_NOOP("modSymbols", "MASK"),
     QT_TRANSLATE_NOOP("modSymbols", "Try to find out the hidden truth")},
    /* 51 */
    {QT_TRANSLATE_NOOP("modSymbols", "MOON"),
     QT_TRANSLATE_NOOP("modSymbols",
                       "New moon heralds new beginning. A waning moon signifies the end ")},
    /* 52 */
    {QT_TRANSLATE_NOOP("modSymbols", "MOUNTED HORSEMAN"),
     QT_TRANSLATE_NOOP("modSymbols", "A new person in your life and there may be some attachment")},
    /* 53 */
    {QT_TRANSLATE_NOOP("modSymbols", "NAIL"),
     QT_TRANSLATE_NOOP("modSymbols", "Something unjust or unfair can happen")},
    /* 54 */
    {QT_TRANSLATE_NOOP("modSymbols", "NECKLACE"),
     QT_TRANSLATE_NOOP("modSymbols",
                       "Broken necklace stands for trouble. You can lose your lover")},
    /* 55 */
    {QT_TRANSLATE_NOOP("modSymbols", "OCTOPUS"),
     QT_TRANSLATE_NOOP("modSymbols", "Performing a number of tasks at the same time")},
    /* 56 */
    {QT_TRANSLATE_NOOP("modSymbols", "OPEN WINDOW"),
     QT_TRANSLATE_NOOP("modSymbols", "A very good opportunity is coming your way")},
    /* 57 */
    {QT_TRANSLATE_NOOP("modSymbols", "OWL"),
     QT_TRANSLATE_NOOP("modSymbols",
                       "Take care of your health. Someone close to you can pass away")},
    /* 58 */
    {QT_TRANSLATE_NOOP("modSymbols", "PEACOCK"),
     QT_TRANSLATE_NOOP("modSymbols", "Grace, lavishness and something you can take pride in")},
    /* 59 */
    {QT_TRANSLATE_NOOP("modSymbols", "PURSE"),
     QT_TRANSLATE_NOOP("modSymbols",
                       "You can gain money if it is on top. At bottom, the opposite will happen")},
    /* 60 */
    {QT_TRANSLATE_NOOP("modSymbols", "QUESTION MARK"),
     QT_TRANSLATE_NOOP("modSymbols",
                       "Be cautious and consider wisely before going for something new")},
    /* 61 */
    {QT_TRANSLATE_NOOP("modSymbols", "RAT"),
     QT_TRANSLATE_NOOP("modSymbols", "Burglary, loss of money ")},
    /* 62 */
    {QT_TRANSLATE_NOOP("modSymbols", "RING"),
     QT_TRANSLATE_NOOP(
         "modSymbols",
         "Wedding bells for you. If it is situated at the bottom an enduring affair is on the "
         "card. If broken, it signifies complication in marriage")},
    /* 63 */
    {QT_TRANSLATE_NOOP("modSymbols", "RINGS"),
     QT_TRANSLATE_NOOP("modSymbols",
                       "Completion of some important work, new engagement and proposal ")},
    /* 64 */
    {QT_TRANSLATE_NOOP("modSymbols", "ROOSTER"),
     QT_TRANSLATE_NOOP("modSymbols", "You can indulge in some kind of quarrel")},
    /* 65 */
    {QT_TRANSLATE_NOOP("modSymbols", "ROSE"),
     QT_TRANSLATE_NOOP("modSymbols", "A classic symbol for love and sensuality ")},
    /* 66 */
    {QT_TRANSLATE_NOOP("modSymbols", "SCALE"),
     QT_TRANSLATE_NOOP(
         "modSymbols",
         "Issues related to law. A well balanced scale means justice; the unbalanced one "
         "means injustice ")},
    /* 67 */
    {QT_TRANSLATE_NOOP("modSymbols", "SHIP"),
     QT_TRANSLATE_NOOP("modSymbols", "You can detect new business opportunity ")},
    /* 68 */
    {QT_TRANSLATE_NOOP("modSymbols", "SHOE"),
     QT_TRANSLATE_NOOP(
         "modSymbols",
         "The condition of the shoe signifies soul. It can also mean transformation")},
    /* 69 */
    {QT_TRANSLATE_NOOP("modSymbols", "SNAKE"),
     QT_TRANSLATE_NOOP("modSymbols", "An aggressive snake implies an enemy")},
    /* 70 */
    {QT_TRANSLATE_NOOP("modSymbols", "SQUARES"),
     QT_TRANSLATE_NOOP("modSymbols", "Possibilities of buying a new house")},
    /* 71 */
    {QT_TRANSLATE_NOOP("modSymbols", "STARS"),
     QT_TRANSLATE_NOOP("modSymbols", "Good luck and positive outcome")},
    /* 72 */
    {QT_TRANSLATE_NOOP("modSymbols", "SUN"),
     QT_TRANSLATE_NOOP("modSymbols", "A time for celebration. It stands for delight and success")},
    /* 73 */
    {QT_TRANSLATE_NOOP("modSymbols", "SWORD"),
     QT_TRANSLATE_NOOP("modSymbols", "Some argument regarding the question of authority")},
    /* 74 */
    {QT_TRANSLATE_NOOP("modSymbols", "TABLE"),
     QT_TRANSLATE_NOOP("modSymbols", "You can enjoy at the gathering of near and dear ones")},
    /* 75 */
    {QT_TRANSLATE_NOOP("modSymbols", "TREE"),
     QT_TRANSLATE_NOOP("modSymbols", "Improvement in life and creative energy")},
    /* 76 */
    {QT_TRANSLATE_NOOP("modSymbols", "TRIANGLE"),
     QT_TRANSLATE_NOOP("modSymbols", "Something unpredictable may take place")},
    /* 77 */
    {QT_TRANSLATE_NOOP("modSymbols", "Turtle"),
     QT_TRANSLATE_NOOP("modSymbols", "You are implementing your plans at a low pace")},
    /* 78 */
    {QT_TRANSLATE_NOOP("modSymbols", "WATERFALL"),
     QT_TRANSLATE_NOOP("modSymbols", "Abundance and affluence")},
    /* 79 */
    {QT_TRANSLATE_NOOP("modSymbols", "WHEEL"),
     QT_TRANSLATE_NOOP(
         "modSymbols",
         "A wheel in a good shape marks good fortune; if broken, the result will be negative")},
};

} // namespace

SymbolTable SymbolNames;
SymbolTable SymbolMeanings;

void LoadSymbols()
{
    for (int i = 1; i <= SymbolCount; ++i)
        SymbolNames[i] = QString::fromLatin1(catalogue[i - 1].name);
    for (int i = 1; i <= SymbolCount; ++i)
        SymbolMeanings[i] = QString::fromLatin1(catalogue[i - 1].meaning);
}

namespace {

QString shown(const SymbolTable &table, int slot)
{
    if (slot < 0 || slot > SymbolCount)
        return QString();
    return QCoreApplication::translate("modSymbols", table[slot].toLatin1().constData());
}

} // namespace

QString ShownName(int slot) { return shown(SymbolNames, slot); }

QString ShownMeaning(int slot) { return shown(SymbolMeanings, slot); }

} // namespace modSymbols

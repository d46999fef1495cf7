#include "modSymbols.h"

// The 79 symbols as they have always been stored: the blanks, the lower-case
// first letters and the missing full stops show on screen as they are.

namespace modSymbols {

namespace {

struct Entry
{
    const char *name;
    const char *meaning;
};

const Entry catalogue[SymbolCount] = {
    /*  1 */ {"ANCHOR", "This symbol stands for change and settling at a new place. "},
    /*  2 */ {"APPLE", "This symbol implies new birth and creation."},
    /*  3 */ {"ARCH", "You can gain money from business. "},
    /*  4 */ {"BABY", "Fresh aspirations, purity and serenity. A new birth can be on the card."},
    /*  5 */ {"BALL", "Putting the finishing touch, change in luck."},
    /*  6 */ {"BELL", "Creative energy, heightened spirituality. "},
    /*  7 */ {"BIRD", "You will get some good news soon."},
    /*  8 */ {"BREAD", "Work hard to fulfill your desires. "},
    /*  9 */
    {"BRIDGE", "Coping with tumultuous situation, a point of transition. A clear bridge signifies "
               "win over all difficulties. "},
    /* 10 */ {"BUTTERFLY", "Flirtatious streak of mind. Transformation."},
    /* 11 */ {"CAMERA", "You may be regarded as highly attractive by some important person. "},
    /* 12 */ {"CANDLE", "Your long cherished dream can come true. Support from others."},
    /* 13 */
    {"CAT",
     "A whimsical person.  You need not worry about white cats. Be on your guard if it is black. "},
    /* 14 */ {"CHAIN", "Think twice before changing anything"},
    /* 15 */ {"CHAIR", "A promotion, increase in social status"},
    /* 16 */ {"CIRCLE", "Accomplishment, finishing a work successfully"},
    /* 17 */ {"CIRCLES WITH A DOT INSIDE", "you can be a father/mother soon."},
    /* 18 */ {"COINS", "Unexpected gain of money.  "},
    /* 19 */ {"CROSS", "Safeguarding, religious  devotion and sacrifice "},
    /* 20 */ {"CROSS", "Victory after much difficulty. "},
    /* 21 */
    {"DIAMONDS", "You can expect a marriage proposal. If already married, wealth and prosperity is "
                 "on the card."},
    /* 22 */ {"DOG", "Finding a true friend, protection and loyalty"},
    /* 23 */ {"DOOR", "Something related to the government or new possibilities"},
    /* 24 */
    {"ENVELOPE", "A new message is coming. White envelope stands for good news while the dark one "
                 "signifies bad news."},
    /* 25 */ {"EYE", "someone is observing you "},
    /* 26 */ {"FIRE WORKS", "Altercation and complications in your private life"},
    /* 27 */
    {"FIRE", "Be cautious while dealing with electrical equipments and inflammable things."},
    /* 28 */ {"FISH", "good fortune in money matters.  "},
    /* 29 */ {"FLAG", "symbol of fraternity and  peace.  "},
    /* 30 */ {"FLOWERS", "Happy time for you!"},
    /* 31 */ {"GENIE LAMP", "Your dream may come true. "},
    /* 32 */ {"GOAT", "This symbol signifies an austere person"},
    /* 33 */ {"HAND", "An open hand means help from your friends"},
    /* 34 */ {"HARP", "You may find the love of your life "},
    /* 35 */ {"HAWK", "Someone is trying to snatch your possessions"},
    /* 36 */ {"HEART", "An indication of affection, tender feeling and good health"},
    /* 37 */ {"HORSE", "Galloping horse is a good omen"},
    /* 38 */ {"HORSESHOE", "Luck is in your favor"},
    /* 39 */ {"HOUSE", "Safety, change, fulfillment of your desire"},
    /* 40 */ {"JUDGE", "Trial and justice"},
    /* 41 */ {"KANGAROO", "You would achieve your target faster than you imagined"},
    /* 42 */ {"KITE", "Independence and an ambitious flight"},
    /* 43 */ {"KNIFE", "Be aware of deceitful friends"},
    /* 44 */ {"KNOTS", "Complications in your life. Maintain a healthy routine everyday"},
    /* 45 */ {"LADDER", "Increase in prestige, a high position in social hierarchy or a promotion"},
    /* 46 */ {"LAMP", "A sudden flash of new idea"},
    /* 47 */ {"LAWYER", "You will sign an agreement soon"},
    /* 48 */
    {"LINES", "Tour and undertaking new project. Clear lines signify a favorable outcome."},
    /* 49 */ {"LION", "A powerful mentor or friend"},
    /* 50 */ {"MASK", "Try to find out the hidden truth"},
    /* 51 */ {"MOON", "New moon heralds new beginning. A waning moon signifies the end "},
    /* 52 */ {"MOUNTED HORSEMAN", "A new person in your life and there may be some attachment"},
    /* 53 */ {"NAIL", "Something unjust or unfair can happen"},
    /* 54 */ {"NECKLACE", "Broken necklace stands for trouble. You can lose your lover"},
    /* 55 */ {"OCTOPUS", "Performing a number of tasks at the same time"},
    /* 56 */ {"OPEN WINDOW", "A very good opportunity is coming your way"},
    /* 57 */ {"OWL", "Take care of your health. Someone close to you can pass away"},
    /* 58 */ {"PEACOCK", "Grace, lavishness and something you can take pride in"},
    /* 59 */ {"PURSE", "You can gain money if it is on top. At bottom, the opposite will happen"},
    /* 60 */ {"QUESTION MARK", "Be cautious and consider wisely before going for something new"},
    /* 61 */ {"RAT", "Burglary, loss of money "},
    /* 62 */
    {"RING", "Wedding bells for you. If it is situated at the bottom an enduring affair is on the "
             "card. If broken, it signifies complication in marriage"},
    /* 63 */ {"RINGS", "Completion of some important work, new engagement and proposal "},
    /* 64 */ {"ROOSTER", "You can indulge in some kind of quarrel"},
    /* 65 */ {"ROSE", "A classic symbol for love and sensuality "},
    /* 66 */
    {"SCALE", "Issues related to law. A well balanced scale means justice; the unbalanced one "
              "means injustice "},
    /* 67 */ {"SHIP", "You can detect new business opportunity "},
    /* 68 */ {"SHOE", "The condition of the shoe signifies soul. It can also mean transformation"},
    /* 69 */ {"SNAKE", "An aggressive snake implies an enemy"},
    /* 70 */ {"SQUARES", "Possibilities of buying a new house"},
    /* 71 */ {"STARS", "Good luck and positive outcome"},
    /* 72 */ {"SUN", "A time for celebration. It stands for delight and success"},
    /* 73 */ {"SWORD", "Some argument regarding the question of authority"},
    /* 74 */ {"TABLE", "You can enjoy at the gathering of near and dear ones"},
    /* 75 */ {"TREE", "Improvement in life and creative energy"},
    /* 76 */ {"TRIANGLE", "Something unpredictable may take place"},
    /* 77 */ {"Turtle", "You are implementing your plans at a low pace"},
    /* 78 */ {"WATERFALL", "Abundance and affluence"},
    /* 79 */
    {"WHEEL", "A wheel in a good shape marks good fortune; if broken, the result will be negative"},
};

} // namespace

SymbolTable SymbolNames;
SymbolTable SymbolMeanings;
int16_t CurrentSymbol = 0;

void LoadSymbols()
{
    for (int i = 1; i <= SymbolCount; ++i)
        SymbolNames[i] = QString::fromLatin1(catalogue[i - 1].name);
    for (int i = 1; i <= SymbolCount; ++i)
        SymbolMeanings[i] = QString::fromLatin1(catalogue[i - 1].meaning);
}

} // namespace modSymbols

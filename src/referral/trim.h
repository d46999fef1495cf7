#pragma once
// The referral form trims blanks only: tabs, line breaks and every other
// character stay where the user put them.

#include <QString>

namespace referral {

inline QString TrimBlanks(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

} // namespace referral

#include "nag_texts.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace forms {

int SupportTextNumber(float r)
{
    // r * 4 is exact in binary, so the largest r below 1 still gives 3; the
    // clamp only keeps a foreign value from reaching past the table.
    return std::clamp(int(std::floor(r * 4.0f)), 0, 3);
}

QString SupportText(int k)
{
    static const char *const texts[] = {
        QT_TRANSLATE_NOOP("forms",
                          "Quillory Softwares, such as this can be created and maintained only "
                          "with your support. The best way to support Quillory is to visit "
                          "Quillory regularly and take part in the discussions and other "
                          "activities on the board."),
        QT_TRANSLATE_NOOP("forms",
                          "Visit Quillory regularly. Support Quillory by taking part in the "
                          "discussions and other activities. These softwares cannot be supported "
                          "and maintained, without you regularly visiting Quillory"),
        QT_TRANSLATE_NOOP("forms",
                          "Quillory is a FREE online discussion forum for all things quillory. To "
                          "help Quillory develop and maintain this software visit Quillory "
                          "regularly."),
        QT_TRANSLATE_NOOP("forms",
                          "Quillory needs your help. All you need to do is visit Quillory "
                          "regularly and take part in the various discussions and activites to "
                          "help us maintain and develop more Quillory Softwares."),
    };
    return QCoreApplication::translate("forms", texts[std::clamp(k, 0, 3)]);
}

QString SoftwareLineText()
{
    // The apostrophe is written as its code point, so that no compiler's
    // source character set can change it; the key stays UTF-8.
    static const char *const first = QT_TRANSLATE_NOOP(
        "forms", "If you have enjoyed this software you will surely be interested in our other "
                 "Quillory Softwares. From a single software, we have now grown to become the "
                 "world\u2019s largest resource of quillory softwares. Be it astrology, psychic, "
                 "tarot, numerology or occult, we have programs in all fields thus giving our "
                 "users a wide choice depending on their interests.");
    const QString shownFirst = QCoreApplication::translate("forms", first);
    const QString shownSecond = QCoreApplication::translate(
        "forms", "All the programs in the Quillory Softwares suite are simple and easy to use. "
                 "They are not only fun to use but also very informative. Try them out today and "
                 "share your experience with your friends and family. ");
    // In English a run of blanks fills the rest of the line, so that the
    // second paragraph starts on a line of its own in the wrapping label; a
    // translation wraps elsewhere and starts it with a line break instead.
    const bool english = shownFirst == QString::fromUtf8(first);
    return shownFirst + (english ? QString(61, QLatin1Char(' ')) : QStringLiteral("\n")) +
           shownSecond;
}

} // namespace forms

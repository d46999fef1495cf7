#include "settings_transform.h"

namespace settings {

namespace {

constexpr int DigitsPerUnit = 4;

int hexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

} // namespace

QString Encode(const QString &text)
{
    static const char Digits[] = "0123456789ABCDEF";
    QString encoded;
    encoded.reserve(text.size() * DigitsPerUnit);
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        for (int shift = 12; shift >= 0; shift -= 4)
            encoded += QLatin1Char(Digits[(unit >> shift) & 0xF]);
    }
    return encoded;
}

std::optional<QString> Decode(const QString &encoded)
{
    if (encoded.size() % DigitsPerUnit != 0)
        return std::nullopt;
    QString text;
    text.reserve(encoded.size() / DigitsPerUnit);
    for (qsizetype i = 0; i < encoded.size(); i += DigitsPerUnit) {
        char16_t unit = 0;
        for (qsizetype j = i; j < i + DigitsPerUnit; ++j) {
            const int digit = hexValue(encoded[j]);
            if (digit < 0)
                return std::nullopt;
            unit = char16_t(unit << 4 | digit);
        }
        text += QChar(unit);
    }
    return text;
}

} // namespace settings

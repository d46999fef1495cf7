#pragma once
// Setting names and values never reach the settings store as plain text.
// Each UTF-16 code unit is written as four upper-case hexadecimal digits, so
// "Duration" is stored as "004400750072006100740069006F006E". The mapping is
// exactly reversible for every text (unpaired surrogates included), and its
// output uses only characters that every store accepts in a key name.

#include <QString>
#include <optional>

namespace settings {

QString Encode(const QString &text);

// The text that Encode turned into encoded, or nothing when encoded could not
// have come from Encode (a length that is not a multiple of four, or a
// character that is not a hexadecimal digit).
std::optional<QString> Decode(const QString &encoded);

} // namespace settings

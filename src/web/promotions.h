#pragma once
// The texts of the banner and of the two promotion labels that the main and
// the reading window share.

#include <QString>

namespace promotions {

// "&&" shows as one "&": labels read a single "&" as an access key.
QString CoBrandCaption();

QString FullBrandCaption();

// The invitation to the maker's forum at the top of both windows.
QString BannerText();

} // namespace promotions

#pragma once
// The texts of the banner and of the two promotion labels that the main and
// the reading window share.

#include <QString>

namespace promotions {

// "&&" shows as one "&": labels read a single "&" as an access key.
inline const QString CoBrandCaption = QStringLiteral(
    "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your "
    "site's name &&  link here. See \"Help\" for details.    Click Here for more info on "
    "co-branding.");

inline const QString FullBrandCaption = QStringLiteral(
    "Home Business Opportunity. Start your own Internet business and make money online. Get this "
    "software fully branded for your website. Click here for more details.");

// The invitation to the maker's forum at the top of both windows.
QString BannerText();

} // namespace promotions

#include "promotions.h"

#include "site_pages.h"

#include <QCoreApplication>

namespace promotions {

QString CoBrandCaption()
{
    return QCoreApplication::translate(
        "promotions",
        "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put "
        "your site's name &&  link here. See \"Help\" for details.    Click Here for more info on "
        "co-branding.");
}

QString FullBrandCaption()
{
    return QCoreApplication::translate(
        "promotions",
        "Home Business Opportunity. Start your own Internet business and make money online. Get "
        "this software fully branded for your website. Click here for more details.");
}

QString BannerText()
{
    return QCoreApplication::translate("promotions",
                                       "The Most Popular Online Quillory Discussion Board. Best "
                                       "Resource For Everything Quillory. Visit %1 Now")
        .arg(modHelp::SiteHostName());
}

} // namespace promotions

#include "promotions.h"

#include "modHelp.h"

namespace promotions {

QString BannerText()
{
    return QStringLiteral("The Most Popular Online Quillory Discussion Board. Best Resource For "
                          "Everything Quillory. Visit ") +
           modHelp::SiteHostName() + QStringLiteral(" Now");
}

} // namespace promotions

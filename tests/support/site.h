#pragma once
// The address a page key must open. The site base address is whatever the
// build was configured with, so a branded build passes the same tests.

#include "web/site_pages.h"

inline QString sitePage(const char *pageKey)
{
    return modHelp::SiteBaseAddress() + QStringLiteral("/brewlore/ssd.php?page=") +
           QLatin1String(pageKey);
}

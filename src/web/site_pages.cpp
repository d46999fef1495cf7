#include "site_pages.h"

#include "platform/browser.h"

#include <QUrl>

#ifndef BREWLORE_SITE_BASE
#error "BREWLORE_SITE_BASE names the maker's site; the build sets it"
#endif

namespace modHelp {

namespace {

void openPage(const char *pageKey)
{
    // A page link stays silent when no browser opens.
    platform::OpenAddress(SitePageAddress(QLatin1String(pageKey)), {});
}

} // namespace

QString SiteBaseAddress() { return QStringLiteral(BREWLORE_SITE_BASE); }

QString SiteHostName() { return QUrl(SiteBaseAddress()).host(); }

QString SitePageAddress(const QString &pageKey)
{
    // The keys are plain ASCII and go in as they are.
    return SiteBaseAddress() + QStringLiteral("/brewlore/ssd.php?page=") + pageKey;
}

QString ProductPageAddress() { return SiteBaseAddress() + QStringLiteral("/brewlore/"); }

void OpenSoftwarePage() { openPage("quillorysoftwares"); }
void OpenDonatePage() { openPage("donate"); }
void OpenHelpPage() { openPage("help-web-page"); }
void OpenCoBrandPage() { openPage("co-brand"); }
void OpenFullBrandPage() { openPage("fully-branded"); }
void OpenHomePage() { openPage("home-page"); }
void OpenDownloadPage() { openPage("download-web-page"); }

} // namespace modHelp

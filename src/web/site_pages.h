#pragma once
// The maker's web pages. Every page is the site base address, then
// "/brewlore/ssd.php?page=" and a page key; the launchers open one page each
// through the browser launch and never look at the outcome.

#include <QString>

namespace modHelp {

QString SiteBaseAddress(); // scheme and host, no trailing slash
QString SiteHostName();    // the host alone, as the windows print it
QString SitePageAddress(const QString &pageKey);
QString ProductPageAddress(); // the product's own page: base + "/brewlore/"

void OpenSoftwarePage();  // "quillorysoftwares"
void OpenDonatePage();    // "donate"
void OpenHelpPage();      // "help-web-page"
void OpenCoBrandPage();   // "co-brand"
void OpenFullBrandPage(); // "fully-branded"
void OpenHomePage();      // "home-page"
void OpenDownloadPage();  // "download-web-page"

} // namespace modHelp

#include "modHelp.h"

#include "platform/Platform.h"

#include <QUrl>

using namespace Qt::Literals::StringLiterals;

namespace links::modHelp {

QUrl pageAddress(QLatin1StringView siteBase, QLatin1StringView path)
{
    return QUrl(QString(siteBase) + path, QUrl::StrictMode);
}

void OpenWebPage(platform::Browser &browser, const QUrl &address) { browser.open(address); }

void VendorHomePage(platform::Browser &browser) { OpenWebPage(browser, pageAddress(VendorSite)); }

void SoftwareDownloadsPage(platform::Browser &browser)
{
    OpenWebPage(browser, pageAddress(VendorSite, "/velmorasoftwares"_L1));
}

void OnlineHelpPage(platform::Browser &browser)
{
    OpenWebPage(browser, pageAddress(ProductSite, "/lv-free-sortilo-help.html"_L1));
}

void ProductDownloadPage(platform::Browser &browser)
{
    OpenWebPage(browser, pageAddress(ProductSite, "/download-lv-free-sortilo.html"_L1));
}

void DonatePage(platform::Browser &browser)
{
    OpenWebPage(browser, pageAddress(VendorHelpSite, "/donate.html"_L1));
}

void FullBrandingPage(platform::Browser &browser)
{
    OpenWebPage(browser, pageAddress(VendorHelpSite, "/fully-branded.html"_L1));
}

} // namespace links::modHelp

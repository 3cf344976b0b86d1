#include "modHelp.h"

#include "platform/Platform.h"

#include <QUrl>

using namespace Qt::Literals::StringLiterals;

namespace links::modHelp {

QUrl PageAddress(QLatin1StringView siteBase, QLatin1StringView path)
{
    return QUrl(QString(siteBase) + path, QUrl::StrictMode);
}

void OpenWebPage(platform::Browser &browser, const QUrl &address) { browser.open(address); }

void VendorHomePage(platform::Browser &browser) { OpenWebPage(browser, PageAddress(VendorSite)); }

void SoftwareDownloadsPage(platform::Browser &browser)
{
    OpenWebPage(browser, PageAddress(VendorSite, "/velmorasoftwares"_L1));
}

void OnlineHelpPage(platform::Browser &browser)
{
    OpenWebPage(browser, PageAddress(ProductSite, "/lv-free-sortilo-help.html"_L1));
}

void ProductDownloadPage(platform::Browser &browser)
{
    OpenWebPage(browser, PageAddress(ProductSite, "/download-lv-free-sortilo.html"_L1));
}

void DonatePage(platform::Browser &browser)
{
    OpenWebPage(browser, PageAddress(VendorHelpSite, "/donate.html"_L1));
}

void FullBrandingPage(platform::Browser &browser)
{
    OpenWebPage(browser, PageAddress(VendorHelpSite, "/fully-branded.html"_L1));
}

} // namespace links::modHelp

#pragma once

#include <QLatin1StringView>

class QUrl;

namespace platform {
class Browser;
}

// The web page launcher and the fixed catalogue of the vendor's pages, which
// every kind of window links to.
namespace links::modHelp {

inline constexpr QLatin1StringView VendorSite{"http://www.velmorasoft.com"};
inline constexpr QLatin1StringView VendorHelpSite{"http://help.velmorasoft.com"};
inline constexpr QLatin1StringView ProductSite{"http://lvsortilo.velmorasoft.com"};

// A page of the catalogue: a site base followed by a path.
QUrl pageAddress(QLatin1StringView siteBase, QLatin1StringView path = {});

// Hands the address, unchanged, to the default browser. Failures are not
// reported: the program carries on as if nothing had happened.
void OpenWebPage(platform::Browser &browser, const QUrl &address);

void VendorHomePage(platform::Browser &browser);
void SoftwareDownloadsPage(platform::Browser &browser);
void OnlineHelpPage(platform::Browser &browser);
void ProductDownloadPage(platform::Browser &browser);
void DonatePage(platform::Browser &browser);
void FullBrandingPage(platform::Browser &browser);

} // namespace links::modHelp

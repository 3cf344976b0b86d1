#include "FakePlatform.h"
#include "forms/WebPages.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

class tst_modHelp : public QObject {
    Q_OBJECT
private slots:
    void eachPageOpensExactlyItsAddress_data();
    void eachPageOpensExactlyItsAddress();
    void siteBasesArePlainHttpHosts();
    void launcherPassesAddressUnchanged();
};

using Page = void (*)(platform::Browser &);

void tst_modHelp::eachPageOpensExactlyItsAddress_data()
{
    QTest::addColumn<void *>("page");
    QTest::addColumn<QString>("address");
    const auto row = [](const char *name, Page page, const QString &address) {
        QTest::newRow(name) << reinterpret_cast<void *>(page) << address;
    };
    row("VendorHomePage", modHelp::VendorHomePage, u"http://www.velmorasoft.com"_s);
    row("SoftwareDownloadsPage", modHelp::SoftwareDownloadsPage,
        u"http://www.velmorasoft.com/velmorasoftwares"_s);
    row("OnlineHelpPage", modHelp::OnlineHelpPage,
        u"http://lvsortilo.velmorasoft.com/lv-free-sortilo-help.html"_s);
    row("ProductDownloadPage", modHelp::ProductDownloadPage,
        u"http://lvsortilo.velmorasoft.com/download-lv-free-sortilo.html"_s);
    row("DonatePage", modHelp::DonatePage, u"http://help.velmorasoft.com/donate.html"_s);
    row("FullBrandingPage", modHelp::FullBrandingPage,
        u"http://help.velmorasoft.com/fully-branded.html"_s);
}

// Twice, to show that nothing is held back the second time.
void tst_modHelp::eachPageOpensExactlyItsAddress()
{
    QFETCH(void *, page);
    QFETCH(QString, address);
    fake::Browser browser;
    reinterpret_cast<Page>(page)(browser);
    reinterpret_cast<Page>(page)(browser);
    QCOMPARE(browser.openedAddresses(), (QStringList{address, address}));
}

void tst_modHelp::siteBasesArePlainHttpHosts()
{
    for (const QLatin1StringView base :
         {modHelp::VendorSite, modHelp::VendorHelpSite, modHelp::ProductSite}) {
        QVERIFY(base.startsWith("http://"_L1));
        QVERIFY(!base.endsWith('/'));
        const QUrl url = modHelp::PageAddress(base);
        QVERIFY(url.isValid());
        QVERIFY(url.path().isEmpty());
    }
    QVERIFY(modHelp::PageAddress(modHelp::ProductSite).host().contains("sortilo"_L1));
}

void tst_modHelp::launcherPassesAddressUnchanged()
{
    fake::Browser browser;
    const QUrl address = QUrl::fromEncoded("http://www.velmorasoft.com/a?b=%26c%0D%0A#d");
    modHelp::OpenWebPage(browser, address);
    QCOMPARE(browser.opened, QList<QUrl>{address});
    QCOMPARE(browser.opened.first().toEncoded(), address.toEncoded());
}

QTEST_GUILESS_MAIN(tst_modHelp)
#include "tst_modHelp.moc"

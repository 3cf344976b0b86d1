#include "FakePlatform.h"
#include "links/modHelp.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

class tst_modHelp : public QObject {
    Q_OBJECT
private slots:
    void launcherPassesAddressUnchanged();
};

void tst_modHelp::launcherPassesAddressUnchanged()
{
    fake::Browser browser;
    const QUrl address = QUrl::fromEncoded("http://www.velmorasoft.com/a?b=%26c%0D%0A#d");
    links::modHelp::OpenWebPage(browser, address);
    QCOMPARE(browser.opened, QList<QUrl>{address});
    QCOMPARE(browser.opened.first().toEncoded(), address.toEncoded());
}

QTEST_GUILESS_MAIN(tst_modHelp)
#include "tst_modHelp.moc"

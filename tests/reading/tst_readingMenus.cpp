#include "forms/Controls.h"
#include "ProgramRun.h"
#include "reading/frmDisplay.h"
#include "reading/frmMain.h"

#include <QMenu>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

// The menus and link labels that the main and the results window share: each
// opens its own page, and the menus show their entries in order.
class tst_readingMenus : public QObject {
    Q_OBJECT
private slots:
    void linksOpenTheirPages_data();
    void linksOpenTheirPages();
    void makeMoneyOnlineCannotBeChosen();
    void menusShowTheirCaptionsInOrder_data();
    void menusShowTheirCaptionsInOrder();
};

void tst_readingMenus::linksOpenTheirPages_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("address");
    const QString home = u"http://www.velmorasoft.com"_s;
    const QString branding = u"http://help.velmorasoft.com/fully-branded.html"_s;
    const QString help = u"http://lvsortilo.velmorasoft.com/lv-free-sortilo-help.html"_s;
    const QString download = u"http://lvsortilo.velmorasoft.com/download-lv-free-sortilo.html"_s;
    const QString donate = u"http://help.velmorasoft.com/donate.html"_s;
    for (const QString &window : {u"frmMain"_s, u"frmDisplay"_s}) {
        const auto row = [&](const char *control, const QString &address) {
            QTest::addRow("%s %s", qPrintable(window), control)
                << window << QString::fromLatin1(control) << address;
        };
        row("Label61", home);
        row(window == u"frmMain" ? "Label2" : "Label1", branding);
        row("mnuOnline", help);
        row("mnuVisit", home);
        row("mnuUpdate", download);
        row("mnuDonate", donate);
    }
}

void tst_readingMenus::linksOpenTheirPages()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QString, address);
    ProgramRun run;
    QWidget *const form = run.window(window);
    QVERIFY(QTest::qWaitForWindowExposed(form));
    if (auto *const label = form->findChild<forms::LinkLabel *>(control)) {
        QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(label->font().underline());
        QTest::mouseClick(label, Qt::LeftButton);
    } else {
        ProgramRun::choose(form, form->findChild<QAction *>(control));
    }
    QCOMPARE(run.platform.browser.openedAddresses(), QStringList{address});
    // A link leaves the window as it was.
    QVERIFY(form->isVisible());
}

void tst_readingMenus::makeMoneyOnlineCannotBeChosen()
{
    ProgramRun run;
    run.start();
    auto &main = run.program.frmMain().load();
    run.read(child<QAbstractButton>(&main, "picMain"));
    for (QWidget *form :
         std::initializer_list<QWidget *>{&main, run.program.frmDisplay().ifLoaded()}) {
        auto *const entry = child<QAction>(form, "mkmoney");
        QCOMPARE(entry->text(), u"Make Money &Online"_s);
        QVERIFY(!entry->isEnabled());
        entry->trigger();
    }
    QVERIFY(run.platform.browser.opened.isEmpty());
}

void tst_readingMenus::menusShowTheirCaptionsInOrder_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("bar");
    QTest::addColumn<QStringList>("file");
    QTest::addColumn<QStringList>("help");
    const QStringList bar{u"&File"_s, u"&Help"_s, u"&Donate"_s, u"Make Money &Online"_s};
    QTest::newRow("main window") << u"frmMain"_s << bar << QStringList{u"mnuExit E&xit"_s}
                                 << QStringList{u"mnuOnline &Online Help"_s,
                                                u"mnuVisit &Visit Us Online"_s,
                                                u"mnuHelp1 -"_s,
                                                u"mnuUpdate Check for Software &Update"_s,
                                                u"mnuHelp2 -"_s,
                                                u"mnuAbout &About Software"_s};
    QTest::newRow("results window")
        << u"frmDisplay"_s << bar << QStringList{u"mnuFileBack &Back"_s, u"mnuExit E&xit"_s}
        << QStringList{u"mnuOnline &Online Help"_s, u"mnuVisit &Visit Us Online"_s,
                       u"mnuFileSep1 -"_s,          u"mnuUpdate &Check for Software Update"_s,
                       u"mnuFileSep2 -"_s,          u"mnuAbout &About Software"_s};
}

void tst_readingMenus::menusShowTheirCaptionsInOrder()
{
    QFETCH(QString, window);
    QFETCH(QStringList, bar);
    QFETCH(QStringList, file);
    QFETCH(QStringList, help);
    ProgramRun run;
    QWidget *const form = run.window(window);
    const auto entries = [](const QWidget *menu) {
        QStringList result;
        for (const QAction *action : menu->actions())
            result.append(action->objectName() + u' ' +
                          (action->isSeparator() ? u"-"_s : action->text()));
        return result;
    };
    QStringList barCaptions;
    for (const QAction *action : child<QMenuBar>(form, "menuBar")->actions())
        barCaptions.append(action->text());
    QCOMPARE(barCaptions, bar);
    QCOMPARE(entries(child<QMenu>(form, "mnuFile")), file);
    QCOMPARE(entries(child<QMenu>(form, "mnuHelp")), help);
}

QTEST_MAIN(tst_readingMenus)
#include "tst_readingMenus.moc"

#include "forms/Controls.h"
#include "forms/Look.h"
#include "links/frmAbout.h"
#include "ProgramRun.h"
#include "reading/frmDisplay.h"
#include "reading/frmMain.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// Opens the about window from the given window's Help menu and runs `whileOpen`
// while it is up; `whileOpen` must close it.
void withAboutOpen(QWidget *window, QAction *entry,
                   const std::function<void(links::frmAbout &)> &whileOpen)
{
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *const about = window->findChild<links::frmAbout *>();
        if (!about || !about->isVisible())
            return;
        poll.stop();
        // Closed on every path, so that a failed check cannot leave the
        // modal window waiting for ever.
        const auto close = qScopeGuard([window] {
            if (auto *const open = window->findChild<links::frmAbout *>())
                open->reject();
        });
        if (!QTest::qWaitForWindowActive(about))
            qWarning("about window not active");
        whileOpen(*about);
    });
    poll.start();
    ProgramRun::choose(window, entry);
    QVERIFY2(!poll.isActive(), "the about window did not open");
}

// The same, from the main window of a program just started.
void withAboutOpen(ProgramRun &run, const std::function<void(links::frmAbout &)> &whileOpen)
{
    run.start();
    auto &main = run.program.frmMain().load();
    withAboutOpen(&main, child<QAction>(&main, "mnuAbout"), whileOpen);
}

} // namespace

class tst_frmAbout : public QObject {
    Q_OBJECT
private slots:
    void showsItsFixedContent();
    void closes_data();
    void closes();
    void linksOpenPagesAndKeepWindowOpen_data();
    void linksOpenPagesAndKeepWindowOpen();
    void sameWindowFromResultsWindowAndBuiltAfresh();
};

void tst_frmAbout::showsItsFixedContent()
{
    ProgramRun run;
    bool checked = false;
    withAboutOpen(run, [&](links::frmAbout &about) {
        QVERIFY(about.isModal());
        QCOMPARE(QApplication::activeModalWidget(), &about);
        QCOMPARE(about.windowTitle(), u"LV Sortilo v1.0"_s);
        QCOMPARE(about.size(), QSize(455, 245));
        QCOMPARE(about.size(), about.maximumSize());
        QCOMPARE(about.palette().color(QPalette::Window), QColor(0x144772));
        QCOMPARE(child<QLabel>(&about, "Label2")->text(), u"LV Sortilo v1.0"_s);
        QVERIFY(
            child<QLabel>(&about, "Label1")
                ->text()
                .startsWith(
                    u"LV Sortilo is an ancient method of Chinese fortune telling with bamboo sticks."_s));
        QVERIFY(child<QLabel>(&about, "Label1")
                    ->text()
                    .endsWith(u"This form of divination with sticks is a religious art and has "
                              u"proven to be very "
                              u"accurate."_s));
        QCOMPARE(child<QLabel>(&about, "Label3")->text(),
                 u"Home Business Opportunity. Start your own Internet business and make money "
                 u"online. Get this software fully branded for your website."_s);
        QCOMPARE(child<forms::LinkLabel>(&about, "lblHomePage")->text(),
                 u"Click here to visit http://www.velmorasoft.com"_s);
        QCOMPARE(child<forms::LinkLabel>(&about, "lblCobrand")->text(),
                 u"Click here for more details."_s);
        QCOMPARE(child<QPushButton>(&about, "cmdOK")->text(), u"&OK"_s);
        QCOMPARE(child<QPushButton>(&about, "cmdOK")->geometry(), QRect(368, 216, 84, 23));
        QCOMPARE(child<QWidget>(&about, "Picture1")->geometry(), QRect(8, 8, 32, 32));
        for (QWidget *label : std::initializer_list<QWidget *>{
                 child<QLabel>(&about, "Label1"), child<QLabel>(&about, "Label2"),
                 child<QLabel>(&about, "Label3"), child<forms::LinkLabel>(&about, "lblHomePage")})
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::white));
        QCOMPARE(child<forms::LinkLabel>(&about, "lblHomePage")->cursor().shape(),
                 Qt::PointingHandCursor);
        QVERIFY(child<forms::LinkLabel>(&about, "lblHomePage")->font().underline());
        QCOMPARE(about.focusWidget(), child<QPushButton>(&about, "cmdOK"));
        QTest::keyClick(child<QPushButton>(&about, "cmdOK"), Qt::Key_Tab);
        QCOMPARE(about.focusWidget(), child<QWidget>(&about, "Picture1"));
        // Only the two links do anything when clicked.
        for (QWidget *control : std::initializer_list<QWidget *>{
                 child<QWidget>(&about, "Picture1"), child<QLabel>(&about, "Label1"),
                 child<QLabel>(&about, "Label2"), child<QLabel>(&about, "Label3")})
            QTest::mouseClick(control, Qt::LeftButton);
        QVERIFY(about.isVisible());
        checked = true;
        about.close();
    });
    QVERIFY(checked);
    QVERIFY(run.platform.browser.opened.isEmpty());
}

void tst_frmAbout::closes_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("OK button") << u"click"_s;
    QTest::newRow("Enter") << u"enter"_s;
    QTest::newRow("Escape") << u"escape"_s;
    QTest::newRow("close box") << u"close"_s;
    QTest::newRow("Enter with the picture focused") << u"picture"_s;
}

void tst_frmAbout::closes()
{
    QFETCH(QString, how);
    ProgramRun run;
    run.start();
    auto &main = run.program.frmMain().load();
    withAboutOpen(&main, child<QAction>(&main, "mnuAbout"), [&](links::frmAbout &about) {
        if (how == u"click")
            QTest::mouseClick(child<QPushButton>(&about, "cmdOK"), Qt::LeftButton);
        else if (how == u"enter")
            QTest::keyClick(child<QPushButton>(&about, "cmdOK"), Qt::Key_Return);
        else if (how == u"escape")
            QTest::keyClick(child<QPushButton>(&about, "cmdOK"), Qt::Key_Escape);
        else if (how == u"picture") {
            child<QWidget>(&about, "Picture1")->setFocus(Qt::TabFocusReason);
            QTest::keyClick(child<QWidget>(&about, "Picture1"), Qt::Key_Return);
        } else
            about.close();
        if (about.isVisible()) {
            about.reject();
            QFAIL("the about window stayed open");
        }
    });
    // Gone once control is back in the event loop.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!main.findChild<links::frmAbout *>());
    QVERIFY(main.isVisible());
    QVERIFY(!QApplication::activeModalWidget());
}

void tst_frmAbout::linksOpenPagesAndKeepWindowOpen_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("address");
    QTest::newRow("home page") << u"lblHomePage"_s << u"http://www.velmorasoft.com"_s;
    QTest::newRow("business offer")
        << u"lblCobrand"_s << u"http://help.velmorasoft.com/fully-branded.html"_s;
}

void tst_frmAbout::linksOpenPagesAndKeepWindowOpen()
{
    QFETCH(QString, link);
    QFETCH(QString, address);
    ProgramRun run;
    withAboutOpen(run, [&](links::frmAbout &about) {
        auto *const label = about.findChild<forms::LinkLabel *>(link);
        QTest::mouseClick(label, Qt::LeftButton);
        QTest::mouseClick(label, Qt::LeftButton);
        QVERIFY(about.isVisible());
        QCOMPARE(about.focusWidget(), child<QPushButton>(&about, "cmdOK"));
        about.close();
    });
    QCOMPARE(run.platform.browser.openedAddresses(), (QStringList{address, address}));
}

void tst_frmAbout::sameWindowFromResultsWindowAndBuiltAfresh()
{
    ProgramRun run;
    run.start();
    auto &main = run.program.frmMain().load();
    QStringList fromMain, fromResults;
    const auto texts = [](links::frmAbout &about) {
        QStringList result;
        for (const QLabel *label : about.findChildren<QLabel *>())
            result.append(label->objectName() + u':' + label->text());
        return result;
    };
    withAboutOpen(&main, child<QAction>(&main, "mnuAbout"), [&](links::frmAbout &about) {
        fromMain = texts(about);
        about.setProperty("seen", true);
        child<QLabel>(&about, "Label1")->setText(u"changed"_s);
        about.close();
    });
    run.read(child<QAbstractButton>(&main, "picMain"));
    auto *const display = run.program.frmDisplay().ifLoaded();
    withAboutOpen(display, child<QAction>(display, "mnuAbout"), [&](links::frmAbout &about) {
        QVERIFY(!about.property("seen").isValid());
        fromResults = texts(about);
        about.close();
    });
    QCOMPARE(fromResults, fromMain);
    QVERIFY(display->isVisible());
}

QTEST_MAIN(tst_frmAbout)
#include "tst_frmAbout.moc"

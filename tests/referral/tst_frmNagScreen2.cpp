#include "FarewellWindow.h"
#include "forms/Controls.h"
#include "ProgramRun.h"
#include "reading/frmMain.h"
#include "referral/frmNagScreen2.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using referral::frmNagScreen2;

// The farewell window as the user meets it: its prompt fields, its links, the
// referral form and the way out of the program.
class tst_frmNagScreen2 : public QObject {
    Q_OBJECT
private slots:
    void loadShowsSupportMessageOfItsRandomValue_data();
    void loadShowsSupportMessageOfItsRandomValue();
    void homeBoxOpensHomePageOnEveryClickAndStaysUnticked_data();
    void homeBoxOpensHomePageOnEveryClickAndStaysUnticked();
    void downloadsLinkOpensSoftwaresPage();
    void typedReferralOpensReferralPage();
    void refusedReferralKeepsWindowAndRecordsEntries();
    void windowStaysOnTopUnderProgramTitle();
    void tabVisitsControlsInFormOrder();
};

using namespace farewell;

// Each of the four words of support, by how it begins, on every load.
void tst_frmNagScreen2::loadShowsSupportMessageOfItsRandomValue_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<QString>("message");
    const QString first = u"Programs like this one live on their users' support."_s;
    const QString second = u"Please visit www.velmorasoft.com regularly"_s;
    const QString third = u"Our site www.velmorasoft.com is a free online discussion forum"_s;
    const QString fourth = u"Our site www.velmorasoft.com needs your help!"_s;
    QTest::newRow("0") << 0.0f << first;
    QTest::newRow("just under a quarter") << 0.2499999f << first;
    QTest::newRow("a quarter") << 0.25f << second;
    QTest::newRow("just under a half") << 0.4999999f << second;
    QTest::newRow("a half") << 0.5f << third;
    QTest::newRow("three quarters") << 0.75f << fourth;
    QTest::newRow("largest value under 1") << 0.99999994f << fourth;
}

// Each load seeds the random source afresh and takes one value of it.
void tst_frmNagScreen2::loadShowsSupportMessageOfItsRandomValue()
{
    QFETCH(float, r);
    QFETCH(QString, message);
    ProgramRun run;
    run.platform.random.values = {r, r, 0.0f};
    for (int load = 1; load <= 2; ++load) {
        frmNagScreen2 &farewell = run.program.frmNagScreen2().load();
        QCOMPARE(run.platform.random.seedings, load);
        QCOMPARE(run.platform.random.values.size(), 3 - load);
        const QString shown = child<QLabel>(&farewell, "Label2")->text();
        QVERIFY2(shown.startsWith(message), qPrintable(shown));
        farewell.Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// Anywhere in the box, which shows the hand over all of its 479 x 37 pixels.
void tst_frmNagScreen2::homeBoxOpensHomePageOnEveryClickAndStaysUnticked_data()
{
    QTest::addColumn<QPoint>("where");
    QTest::newRow("middle") << QPoint(239, 18);
    QTest::newRow("right of the caption") << QPoint(448, 18);
    QTest::newRow("above the caption") << QPoint(198, 4);
    QTest::newRow("top left corner") << QPoint(0, 0);
    QTest::newRow("bottom right corner") << QPoint(478, 36);
}

void tst_frmNagScreen2::homeBoxOpensHomePageOnEveryClickAndStaysUnticked()
{
    QFETCH(QPoint, where);
    ProgramRun run;
    frmNagScreen2 *const farewell = showFarewell(run);
    QVERIFY(farewell);
    QCOMPARE(child<QCheckBox>(farewell, "Check1")->geometry(), QRect(2, 136, 479, 37));
    QCOMPARE(child<QCheckBox>(farewell, "Check1")->cursor().shape(), Qt::PointingHandCursor);
    QStringList openedAfterClicks;
    for (int click = 0; click < 2; ++click) {
        QTest::mouseClick(child<QCheckBox>(farewell, "Check1"), Qt::LeftButton, {}, where);
        QVERIFY(!child<QCheckBox>(farewell, "Check1")->isChecked());
        openedAfterClicks.append(QString::number(run.platform.browser.opened.size()));
    }
    QCOMPARE(openedAfterClicks, (QStringList{u"1"_s, u"2"_s}));
    QCOMPARE(run.platform.browser.openedAddresses(),
             (QStringList{u"http://www.velmorasoft.com"_s, u"http://www.velmorasoft.com"_s}));
    QVERIFY(farewell->isVisible());
}

void tst_frmNagScreen2::downloadsLinkOpensSoftwaresPage()
{
    ProgramRun run;
    frmNagScreen2 *const farewell = showFarewell(run);
    QVERIFY(farewell);
    QCOMPARE(child<forms::LinkLabel>(farewell, "lblGoToHome")->text(),
             u"Click Here To Visit Velmora Softwares"_s);

    QTest::mouseClick(child<forms::LinkLabel>(farewell, "lblGoToHome"), Qt::LeftButton);

    QCOMPARE(run.platform.browser.openedAddresses(),
             QStringList{u"http://www.velmorasoft.com/velmorasoftwares"_s});
    QVERIFY(farewell->isVisible());
}

void tst_frmNagScreen2::typedReferralOpensReferralPage()
{
    ProgramRun run;
    frmNagScreen2 *const farewell = showFarewell(run);
    QVERIFY(farewell);
    const auto typeInto = [](QWidget *field, const QString &text) {
        QTest::mouseClick(field, Qt::LeftButton);
        QTest::keyClicks(focused(), text);
    };
    typeInto(child<QLineEdit>(farewell, "txtName"), u"Ann Lee"_s);
    typeInto(child<QLineEdit>(farewell, "txtEmail"), u"ann@example.com"_s);
    typeInto(child<QLineEdit>(farewell, "txtFriendEmail"), u"bob@example.org"_s);
    typeInto(child<QLineEdit>(farewell, "txtFriendName"), u" Bob & Co "_s);
    QTest::keyClick(focused(), Qt::Key_Tab);
    QCOMPARE(focused(), child<QPlainTextEdit>(farewell, "txtMessage"));
    clearByKeys();
    QTest::keyClicks(focused(), u"Try it = fun?"_s);
    QTest::keyClick(focused(), Qt::Key_Return);
    QTest::keyClicks(focused(), u"100% +"_s);

    QTest::mouseClick(child<QPushButton>(farewell, "cmdSubmit"), Qt::LeftButton);

    QVERIFY(run.platform.messages.shown.isEmpty());
    // Every character that could end or split a value travels percent-encoded,
    // the message's line break as CR LF.
    const QString expected =
        u"http://www.velmorasoft.com/lvms-refer-a-friend.php?taf1=Ann%20Lee"
        u"&taf2=ann%40example.com&taf3=Try%20it%20%3D%20fun%3F%0D%0A100%25%20%2B"
        u"&taf4=Bob%20%26%20Co&taf5=bob%40example.org"
        u"&taf6=http%3A%2F%2Flvsortilo.velmorasoft.com%2F"_s;
    QCOMPARE(run.platform.browser.openedAddresses(), QStringList{expected});
    QCOMPARE(run.program.referral().address, expected);
    QVERIFY(farewell->isVisible());

    // A second click sends what the fields say by then.
    QTest::mouseClick(child<QLineEdit>(farewell, "txtName"), Qt::LeftButton);
    QTest::keyClick(focused(), Qt::Key_End);
    QTest::keyClicks(focused(), u" Jr"_s);
    QTest::mouseClick(child<QPushButton>(farewell, "cmdSubmit"), Qt::LeftButton);

    QCOMPARE(run.platform.browser.opened.size(), 2);
    QCOMPARE(queryValue(run.platform.browser.opened.at(1), u"taf1"_s), u"Ann Lee Jr"_s);
    QCOMPARE(queryValue(run.platform.browser.opened.at(1), u"taf4"_s), u"Bob & Co"_s);
    QVERIFY(run.platform.messages.shown.isEmpty());
    QVERIFY(run.platform.processExit.statuses.isEmpty());
}

void tst_frmNagScreen2::refusedReferralKeepsWindowAndRecordsEntries()
{
    ProgramRun run;
    frmNagScreen2 *const farewell = showFarewell(run);
    QVERIFY(farewell);
    QTest::mouseClick(child<QLineEdit>(farewell, "txtName"), Qt::LeftButton);
    QTest::keyClicks(focused(), u"  Ann  "_s);
    QTest::mouseClick(child<QLineEdit>(farewell, "txtEmail"), Qt::LeftButton);
    QTest::keyClicks(focused(), u"ann@example"_s);
    QTest::mouseClick(child<QLineEdit>(farewell, "txtFriendEmail"), Qt::LeftButton);
    QTest::keyClicks(focused(), u"bob@example.org"_s);
    referral::modTellAFriend::Referral recordWhileShown;
    run.platform.messages.whileShown = [&](const forms::Message &) {
        recordWhileShown = run.program.referral();
    };

    QTest::mouseClick(child<QPushButton>(farewell, "cmdSubmit"), Qt::LeftButton);

    QCOMPARE(run.platform.messages.texts(), QStringList{u"Please Enter Proper Email Address"_s});
    QVERIFY(run.platform.browser.opened.isEmpty());
    QVERIFY(farewell->isVisible());
    QVERIFY(run.platform.processExit.statuses.isEmpty());
    for (const referral::modTellAFriend::Referral &record :
         {recordWhileShown, run.program.referral()}) {
        QCOMPARE(record.name, u"Ann"_s);
        QCOMPARE(record.email, u"ann@example"_s);
        QCOMPARE(record.message, u"Your Message\r\n"_s);
        QCOMPARE(record.friendName, u"Friend's Name"_s);
        QCOMPARE(record.friendEmail, u"bob@example.org"_s);
    }
}

void tst_frmNagScreen2::windowStaysOnTopUnderProgramTitle()
{
    ProgramRun run;
    run.start();
    run.program.frmMain().load().close();
    frmNagScreen2 *const farewell = run.program.frmNagScreen2().ifLoaded();
    QVERIFY(farewell);
    QVERIFY(farewell->isVisible());
    QCOMPARE(farewell->windowTitle(), u"LV Sortilo v1.0"_s);
    QVERIFY(farewell->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(farewell->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
}

void tst_frmNagScreen2::tabVisitsControlsInFormOrder()
{
    ProgramRun run;
    frmNagScreen2 *const farewell = showFarewell(run);
    QVERIFY(farewell);
    QCOMPARE(focused(), child<QPushButton>(farewell, "cmdClose"));
    // The message field lies out of sight below its frame, yet Tab reaches it.
    QVERIFY(!child<QWidget>(farewell, "Frame2")
                 ->rect()
                 .intersects(child<QWidget>(farewell, "txtMessage")->geometry()));
    QStringList visited{focused()->objectName()};
    for (int presses = 0; presses < 9; ++presses) {
        QTest::keyClick(focused(), Qt::Key_Tab);
        visited.append(focused() ? focused()->objectName() : u"(none)"_s);
    }
    QCOMPARE(visited, (QStringList{u"cmdClose"_s, u"Check1"_s, u"Picture1"_s, u"txtName"_s,
                                   u"cmdSubmit"_s, u"txtEmail"_s, u"txtFriendEmail"_s,
                                   u"txtFriendName"_s, u"txtMessage"_s, u"cmdClose"_s}));
}

QTEST_MAIN(tst_frmNagScreen2)
#include "tst_frmNagScreen2.moc"

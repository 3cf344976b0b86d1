#include "forms/Controls.h"
#include "ProgramRun.h"
#include "reading/frmMain.h"
#include "referral/frmNagScreen2.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QUrlQuery>

using namespace Qt::Literals::StringLiterals;
using referral::frmNagScreen2;

// The farewell window as the user meets it: its prompt fields, its links, the
// referral form and the way out of the program.
class tst_frmNagScreen2 : public QObject {
    Q_OBJECT
private slots:
    void fieldShowsPromptOnlyWhileEmpty_data();
    void fieldShowsPromptOnlyWhileEmpty();
    void messageReachedByTabKeepsItsLineBreak();
    void emptiedMessageGetsPromptWithoutLineBreak();
    void spaceTypedIntoEmailFieldIsRefused_data();
    void spaceTypedIntoEmailFieldIsRefused();
    void pastedSpacesAreNotChecked();
    void loadShowsSupportMessageOfItsRandomValue_data();
    void loadShowsSupportMessageOfItsRandomValue();
    void everySupportMessageComesUpOverManyLoads();
    void homeBoxOpensHomePageOnEveryClickAndStaysUnticked();
    void downloadsLinkOpensSoftwaresPage();
    void typedReferralOpensReferralPage();
    void refusedReferralKeepsWindowAndRecordsEntries();
    void exitEndsProgram_data();
    void exitEndsProgram();
    void windowStaysOnTopUnderProgramTitle();
    void tabVisitsControlsInFormOrder();
    void promptsAreDimmedTypedTextIsNot();
};

namespace {

// Starts the program and closes its main window, which brings up the farewell
// window; then the user turns to it.
frmNagScreen2 *showFarewell(ProgramRun &run)
{
    run.start();
    run.program.frmMain.load().close();
    frmNagScreen2 *const farewell = run.program.frmNagScreen2.ifLoaded();
    if (!farewell || !farewell->isVisible())
        return nullptr;
    farewell->activateWindow();
    return QTest::qWaitForWindowActive(farewell) ? farewell : nullptr;
}

QWidget *focused() { return QApplication::focusWidget(); }

// Tab from the control that has the focus until `field` has it.
bool tabTo(QWidget *field)
{
    for (int presses = 0; presses < 12 && focused() && focused() != field; ++presses)
        QTest::keyClick(focused(), Qt::Key_Tab);
    return focused() == field;
}

QString textOf(QWidget *field)
{
    if (auto *const line = qobject_cast<QLineEdit *>(field))
        return line->text();
    return static_cast<QPlainTextEdit *>(field)->toPlainText();
}

void setTextOf(QWidget *field, const QString &text)
{
    if (auto *const line = qobject_cast<QLineEdit *>(field))
        line->setText(text);
    else
        static_cast<QPlainTextEdit *>(field)->setPlainText(text);
}

void clearByKeys()
{
    QTest::keyClick(focused(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(focused(), Qt::Key_Delete);
}

QString queryValue(const QUrl &address, const QString &key)
{
    return QUrlQuery(address).queryItemValue(key, QUrl::FullyDecoded);
}

} // namespace

// A field is entered and left by Tab or by a click elsewhere; `initial` null
// leaves it as the window loaded it. The message field is reached by Tab only,
// as it lies outside the visible part of its frame.
void tst_frmNagScreen2::fieldShowsPromptOnlyWhileEmpty_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("initial");
    QTest::addColumn<bool>("enterByTab");
    QTest::addColumn<QString>("onEntering");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("leaveByTab");
    QTest::addColumn<QString>("onLeaving");
    QTest::addColumn<QString>("language");
    const QString asLoaded;
    const auto row = [](const char *name, const char *field, const QString &initial,
                        bool enterByTab, const QString &onEntering, const QString &typed,
                        bool leaveByTab, const QString &onLeaving,
                        const QString &language = u"English"_s) {
        QTest::newRow(name) << QString::fromLatin1(field) << initial << enterByTab << onEntering
                            << typed << leaveByTab << onLeaving << language;
    };
    row("name prompt goes and comes back", "txtName", asLoaded, true, u""_s, u""_s, true,
        u"Your Name"_s);
    row("e-mail prompt goes and comes back", "txtEmail", asLoaded, false, u""_s, u""_s, false,
        u"Your Email Address"_s);
    row("friend's name prompt goes and comes back", "txtFriendName", asLoaded, false, u""_s, u""_s,
        true, u"Friend's Name"_s);
    row("friend's e-mail prompt goes and comes back", "txtFriendEmail", asLoaded, true, u""_s,
        u""_s, false, u"Friend's Email Address"_s);
    row("typed name stays", "txtName", asLoaded, false, u""_s, u"Ann Lee"_s, true, u"Ann Lee"_s);
    row("typed spaces only give the prompt", "txtName", asLoaded, false, u""_s, u"   "_s, true,
        u"Your Name"_s);
    row("prompt with spaces around it goes", "txtName", u"  Your Name  "_s, false, u""_s, u""_s,
        false, u"Your Name"_s);
    row("spaces only stay on entering, prompt on leaving", "txtFriendName", u"   "_s, true,
        u"   "_s, u""_s, true, u"Friend's Name"_s);
    row("prompt in small letters stays", "txtName", u"your name"_s, false, u"your name"_s, u""_s,
        true, u"your name"_s);
    row("prompt with more words stays", "txtFriendName", u"Friend's Name Here"_s, false,
        u"Friend's Name Here"_s, u""_s, false, u"Friend's Name Here"_s);
    row("another field's prompt stays", "txtName", u"Friend's Name"_s, true, u"Friend's Name"_s,
        u""_s, true, u"Friend's Name"_s);
    row("spaces around an entry stay", "txtName", u"  Ann  "_s, false, u"  Ann  "_s, u""_s, true,
        u"  Ann  "_s);
    row("tab before the prompt is content", "txtName", u"\tYour Name"_s, true, u"\tYour Name"_s,
        u""_s, true, u"\tYour Name"_s);
    row("tab alone is content", "txtEmail", u"\t"_s, false, u"\t"_s, u""_s, false, u"\t"_s);
    row("message prompt without line break goes", "txtMessage", u"Your Message"_s, true, u""_s,
        u""_s, false, u"Your Message"_s);
    row("message prompt with spaces around it goes", "txtMessage", u"  Your Message "_s, true,
        u""_s, u""_s, true, u"Your Message"_s);
    row("message of a line break alone stays", "txtMessage", u"\n"_s, true, u"\n"_s, u""_s, true,
        u"\n"_s);
    row("message of spaces only gets the prompt", "txtMessage", u"   "_s, true, u"   "_s, u""_s,
        true, u"Your Message"_s);
    row("typed message stays", "txtMessage", u"Your Message"_s, true, u""_s, u"Hello Bob"_s, true,
        u"Hello Bob"_s);
    // The prompts are those of the language shown.
    row("Chinese name prompt goes and comes back", "txtName", asLoaded, true, u""_s, u""_s, true,
        u"您的姓名"_s, u"zh_TW"_s);
    row("Chinese e-mail prompt goes and comes back", "txtFriendEmail", asLoaded, false, u""_s,
        u""_s, true, u"朋友的电子邮箱地址"_s, u"zh_CN"_s);
    row("English prompt is content where Chinese is shown", "txtEmail", u"Your Email Address"_s,
        false, u"Your Email Address"_s, u""_s, false, u"Your Email Address"_s, u"zh_TW"_s);
    row("Chinese message prompt without line break goes", "txtMessage", u"您的留言"_s, true, u""_s,
        u""_s, true, u"您的留言"_s, u"zh_CN"_s);
}

void tst_frmNagScreen2::fieldShowsPromptOnlyWhileEmpty()
{
    QFETCH(QString, field);
    QFETCH(QString, initial);
    QFETCH(bool, enterByTab);
    QFETCH(QString, onEntering);
    QFETCH(QString, typed);
    QFETCH(bool, leaveByTab);
    QFETCH(QString, onLeaving);
    QFETCH(QString, language);
    const SpokenLanguage spoken(language);
    ProgramRun run;
    frmNagScreen2 *const farewell = showFarewell(run);
    QVERIFY(farewell);
    QWidget *const target = child<QWidget>(farewell, qPrintable(field));
    if (!initial.isNull())
        setTextOf(target, initial);

    if (enterByTab)
        QVERIFY(tabTo(target));
    else
        QTest::mouseClick(target, Qt::LeftButton);
    QCOMPARE(focused(), target);
    // Typed at once, before the event loop has run on: the keys reach the
    // field as entering left it.
    QTest::keyClicks(focused(), typed);
    QTRY_COMPARE(textOf(target), onEntering + typed);

    QWidget *const elsewhere = target == child<QLineEdit>(farewell, "txtName")
                                   ? child<QLineEdit>(farewell, "txtEmail")
                                   : child<QLineEdit>(farewell, "txtName");
    if (leaveByTab)
        QTest::keyClick(focused(), Qt::Key_Tab);
    else
        QTest::mouseClick(elsewhere, Qt::LeftButton);
    QVERIFY(focused() != target);
    QCOMPARE(textOf(target), onLeaving);
    QVERIFY(run.platform.messages.shown.isEmpty());
}

void tst_frmNagScreen2::messageReachedByTabKeepsItsLineBreak()
{
    ProgramRun run;
    frmNagScreen2 *const farewell = showFarewell(run);
    QVERIFY(farewell);
    QPlainTextEdit *const message = child<QPlainTextEdit>(farewell, "txtMessage");
    // Out of sight below its frame, yet a live field.
    QVERIFY(!child<QWidget>(farewell, "Frame2")->rect().intersects(message->geometry()));
    QVERIFY(message->isVisible());
    QVERIFY(message->isEnabled());

    QVERIFY(tabTo(message));
    QCOMPARE(message->toPlainText(), u"Your Message\n"_s);
    QTest::keyClick(focused(), Qt::Key_Tab);
    QCOMPARE(message->toPlainText(), u"Your Message\n"_s);
    QTest::mouseClick(child<QPushButton>(farewell, "cmdSubmit"), Qt::LeftButton);
    QCOMPARE(run.program.referral.message, u"Your Message\r\n"_s);
}

void tst_frmNagScreen2::emptiedMessageGetsPromptWithoutLineBreak()
{
    ProgramRun run;
    frmNagScreen2 *const farewell = showFarewell(run);
    QVERIFY(farewell);
    QVERIFY(tabTo(child<QPlainTextEdit>(farewell, "txtMessage")));
    clearByKeys();
    QCOMPARE(child<QPlainTextEdit>(farewell, "txtMessage")->toPlainText(), u""_s);

    QTest::keyClick(focused(), Qt::Key_Tab);

    QCOMPARE(focused(), child<QPushButton>(farewell, "cmdClose"));
    QCOMPARE(child<QPlainTextEdit>(farewell, "txtMessage")->toPlainText(), u"Your Message"_s);
    QTest::mouseClick(child<QPushButton>(farewell, "cmdSubmit"), Qt::LeftButton);
    QCOMPARE(run.program.referral.message, u"Your Message"_s);
}

void tst_frmNagScreen2::spaceTypedIntoEmailFieldIsRefused_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("refused");
    QTest::newRow("own e-mail") << u"txtEmail"_s << true;
    QTest::newRow("friend's e-mail") << u"txtFriendEmail"_s << true;
    QTest::newRow("own name") << u"txtName"_s << false;
    QTest::newRow("friend's name") << u"txtFriendName"_s << false;
    QTest::newRow("message") << u"txtMessage"_s << false;
}

void tst_frmNagScreen2::spaceTypedIntoEmailFieldIsRefused()
{
    QFETCH(QString, field);
    QFETCH(bool, refused);
    ProgramRun run;
    frmNagScreen2 *const farewell = showFarewell(run);
    QVERIFY(farewell);
    QWidget *const target = child<QWidget>(farewell, qPrintable(field));
    QVERIFY(tabTo(target));
    clearByKeys();
    QStringList textsWhileShown;
    run.platform.messages.whileShown = [&](const platform::Message &) {
        textsWhileShown.append(textOf(target));
    };

    QTest::keyClicks(focused(), u"a b "_s);

    QCOMPARE(focused(), target);
    if (!refused) {
        QCOMPARE(textOf(target), u"a b "_s);
        QVERIFY(run.platform.messages.shown.isEmpty());
        return;
    }
    QCOMPARE(textOf(target), u"ab"_s);
    QCOMPARE(textsWhileShown, (QStringList{u"a"_s, u"ab"_s}));
    for (const platform::Message &shown : std::as_const(run.platform.messages.shown)) {
        QCOMPARE(shown.text, u"Email Address Cannot Contain Space"_s);
        QCOMPARE(shown.title, u"LV Sortilo"_s);
        QCOMPARE(shown.icon, platform::Message::Icon::Error);
        QCOMPARE(shown.buttons, platform::Message::Buttons::Ok);
    }
}

void tst_frmNagScreen2::pastedSpacesAreNotChecked()
{
    ProgramRun run;
    frmNagScreen2 *const farewell = showFarewell(run);
    QVERIFY(farewell);
    QApplication::clipboard()->setText(u"ann @ example.com"_s);
    QTest::mouseClick(child<QLineEdit>(farewell, "txtEmail"), Qt::LeftButton);

    QTest::keyClick(focused(), Qt::Key_V, Qt::ControlModifier);

    QCOMPARE(child<QLineEdit>(farewell, "txtEmail")->text(), u"ann @ example.com"_s);
    QVERIFY(run.platform.messages.shown.isEmpty());
}

void tst_frmNagScreen2::loadShowsSupportMessageOfItsRandomValue_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("message");
    QTest::newRow("0") << 0.0f << 0;
    QTest::newRow("just under a quarter") << 0.2499999f << 0;
    QTest::newRow("a quarter") << 0.25f << 1;
    QTest::newRow("just under a half") << 0.4999999f << 1;
    QTest::newRow("a half") << 0.5f << 2;
    QTest::newRow("three quarters") << 0.75f << 3;
    QTest::newRow("largest value under 1") << 0.99999994f << 3;
}

void tst_frmNagScreen2::loadShowsSupportMessageOfItsRandomValue()
{
    QFETCH(float, r);
    QFETCH(int, message);
    ProgramRun run;
    run.platform.random.values = {r, 0.0f};

    frmNagScreen2 &farewell = run.program.frmNagScreen2.load();

    QCOMPARE(run.platform.random.seedings, 1);
    QCOMPARE(run.platform.random.values.size(), 1); // one value taken
    QCOMPARE(child<QLabel>(&farewell, "Label2")->text(), frmNagScreen2::SupportMessage(message));
}

void tst_frmNagScreen2::everySupportMessageComesUpOverManyLoads()
{
    ProgramRun run;
    constexpr int loads = 40;
    QSet<QString> shown;
    for (int load = 0; load < loads; ++load) {
        run.platform.random.values = {float(load) / loads};
        frmNagScreen2 &farewell = run.program.frmNagScreen2.load();
        QVERIFY(!child<QLabel>(&farewell, "Label2")->text().isEmpty());
        shown.insert(child<QLabel>(&farewell, "Label2")->text());
        farewell.Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QCOMPARE(run.platform.random.seedings, loads);
    QCOMPARE(shown.size(), frmNagScreen2::SupportMessageCount);
}

void tst_frmNagScreen2::homeBoxOpensHomePageOnEveryClickAndStaysUnticked()
{
    ProgramRun run;
    frmNagScreen2 *const farewell = showFarewell(run);
    QVERIFY(farewell);
    QStringList openedAfterClicks;
    for (int click = 0; click < 2; ++click) {
        QTest::mouseClick(child<QCheckBox>(farewell, "Check1"), Qt::LeftButton);
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
    QCOMPARE(child<QLabel>(farewell, "lblGoToHome")->text(),
             u"Click Here To Visit Velmora Softwares"_s);

    QTest::mouseClick(child<QLabel>(farewell, "lblGoToHome"), Qt::LeftButton);

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
    QCOMPARE(run.platform.browser.opened.size(), 1);
    const QUrl first = run.platform.browser.opened.first();
    QCOMPARE(first.adjusted(QUrl::RemoveQuery).toString(),
             u"http://www.velmorasoft.com/lvms-refer-a-friend.php"_s);
    const QList<std::pair<QString, QString>> expected{
        {u"taf1"_s, u"Ann Lee"_s},
        {u"taf2"_s, u"ann@example.com"_s},
        {u"taf3"_s, u"Try it = fun?\r\n100% +"_s},
        {u"taf4"_s, u"Bob & Co"_s},
        {u"taf5"_s, u"bob@example.org"_s},
        {u"taf6"_s, u"http://lvsortilo.velmorasoft.com/"_s},
    };
    QCOMPARE(QUrlQuery(first).queryItems(QUrl::FullyDecoded), expected);
    QVERIFY(first.toEncoded().contains("%0D%0A"));
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
    modTellAFriend::Referral recordWhileShown;
    run.platform.messages.whileShown = [&](const platform::Message &) {
        recordWhileShown = run.program.referral;
    };

    QTest::mouseClick(child<QPushButton>(farewell, "cmdSubmit"), Qt::LeftButton);

    QCOMPARE(run.platform.messages.texts(), QStringList{u"Please Enter Proper Email Address"_s});
    QVERIFY(run.platform.browser.opened.isEmpty());
    QVERIFY(farewell->isVisible());
    QVERIFY(run.platform.processExit.statuses.isEmpty());
    for (const modTellAFriend::Referral &record : {recordWhileShown, run.program.referral}) {
        QCOMPARE(record.name, u"Ann"_s);
        QCOMPARE(record.email, u"ann@example"_s);
        QCOMPARE(record.message, u"Your Message\r\n"_s);
        QCOMPARE(record.friendName, u"Friend's Name"_s);
        QCOMPARE(record.friendEmail, u"bob@example.org"_s);
    }
}

void tst_frmNagScreen2::exitEndsProgram_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Exit button") << u"button"_s;
    QTest::newRow("Exit button's access key") << u"alt+x"_s;
    QTest::newRow("close box") << u"close box"_s;
}

void tst_frmNagScreen2::exitEndsProgram()
{
    QFETCH(QString, how);
    ProgramRun run;
    frmNagScreen2 *const farewell = showFarewell(run);
    QVERIFY(farewell);
    QCOMPARE(child<QPushButton>(farewell, "cmdClose")->text(), u"E&xit"_s);
    const CleanEnd end(run);
    QVERIFY(end.unloads().contains(u"frmNagScreen2"_s));

    if (how == u"button")
        QTest::mouseClick(child<QPushButton>(farewell, "cmdClose"), Qt::LeftButton);
    else if (how == u"alt+x")
        QTest::keyClick(farewell, Qt::Key_X, Qt::AltModifier);
    else
        farewell->close();

    // An access key presses its button after the button's short press animation.
    QTRY_VERIFY(!run.platform.processExit.statuses.isEmpty());
    QVERIFY2(end.faults().isEmpty(), qPrintable(end.faults()));
}

void tst_frmNagScreen2::windowStaysOnTopUnderProgramTitle()
{
    ProgramRun run;
    run.start();
    run.program.frmMain.load().close();
    frmNagScreen2 *const farewell = run.program.frmNagScreen2.ifLoaded();
    QVERIFY(farewell);
    QVERIFY(farewell->isVisible());
    QCOMPARE(farewell->windowTitle(), u"LV Sortilo v1.0"_s);
    QVERIFY(farewell->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(farewell->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(farewell->testAttribute(Qt::WA_ShowWithoutActivating));
}

void tst_frmNagScreen2::tabVisitsControlsInFormOrder()
{
    ProgramRun run;
    frmNagScreen2 *const farewell = showFarewell(run);
    QVERIFY(farewell);
    QCOMPARE(focused(), child<QPushButton>(farewell, "cmdClose"));
    QStringList visited{focused()->objectName()};
    for (int presses = 0; presses < 9; ++presses) {
        QTest::keyClick(focused(), Qt::Key_Tab);
        visited.append(focused() ? focused()->objectName() : u"(none)"_s);
    }
    QCOMPARE(visited, (QStringList{u"cmdClose"_s, u"Check1"_s, u"Picture1"_s, u"txtName"_s,
                                   u"cmdSubmit"_s, u"txtEmail"_s, u"txtFriendEmail"_s,
                                   u"txtFriendName"_s, u"txtMessage"_s, u"cmdClose"_s}));
}

// An untouched form must not look filled in.
void tst_frmNagScreen2::promptsAreDimmedTypedTextIsNot()
{
    ProgramRun run;
    frmNagScreen2 *const farewell = showFarewell(run);
    QVERIFY(farewell);
    const auto colour = [](QWidget *field) { return field->palette().color(QPalette::Text); };
    const QColor dimmed =
        child<QLineEdit>(farewell, "txtName")->palette().color(QPalette::PlaceholderText);
    QCOMPARE(colour(child<QLineEdit>(farewell, "txtName")), dimmed);
    QCOMPARE(colour(child<QLineEdit>(farewell, "txtFriendEmail")), dimmed);
    // Not a prompt: the message's first line ends in a line break.
    QVERIFY(colour(child<QPlainTextEdit>(farewell, "txtMessage")) != dimmed);
    QVERIFY(tabTo(child<QLineEdit>(farewell, "txtName")));
    QTest::keyClicks(focused(), u"Ann"_s);
    QVERIFY(colour(child<QLineEdit>(farewell, "txtName")) != dimmed);
    QTest::keyClick(focused(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(focused(), Qt::Key_Delete);
    QVERIFY(tabTo(child<QLineEdit>(farewell, "txtEmail")));
    QCOMPARE(child<QLineEdit>(farewell, "txtName")->text(), u"Your Name"_s);
    QCOMPARE(colour(child<QLineEdit>(farewell, "txtName")), dimmed);
}

QTEST_MAIN(tst_frmNagScreen2)
#include "tst_frmNagScreen2.moc"

#include "forms/TextBoxes.h"
#include "ProgramRun.h"
#include "referral/frmNagScreen2.h"
#include "referral/modTellAFriend.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using referral::modTellAFriend::Referral;

// The referral form's checks, in the order the user meets them. The address
// that carries the entries is checked over the fuzz target's corpus
// (tests/fuzz), and as the browser gets it in tst_frmNagScreen2.
class tst_modTellAFriend : public QObject {
    Q_OBJECT
private slots:
    void submitClickRefusesWithFirstProblem_data();
    void submitClickRefusesWithFirstProblem();
    void submitReferralNamesFirstMissingEntry_data();
    void submitReferralNamesFirstMissingEntry();
    void trimSpacesRemovesSpacesOnly_data();
    void trimSpacesRemovesSpacesOnly();
};

namespace {

const QString refusalTitle = u"LV Sortilo"_s;

Referral referralOf(const QStringList &values)
{
    return {values.value(0), values.value(1), values.value(2),
            values.value(3), values.value(4), {}};
}

} // namespace

// The five fields as the user leaves them (null: as the window loaded them), then
// the click on "Refer A Friend Now". An empty message means no refusal.
void tst_modTellAFriend::submitClickRefusesWithFirstProblem_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("email");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("friendName");
    QTest::addColumn<QString>("friendEmail");
    QTest::addColumn<QString>("refusal");
    const QString untouched;
    const QString ann = u"ann@example.com"_s;
    const QString bob = u"bob@example.org"_s;
    const QString properEmail = u"Please Enter Proper Email Address"_s;
    const QString distinct = u"Please Enter Distinct Email Addresses"_s;

    QTest::newRow("all prompts untouched")
        << untouched << untouched << untouched << untouched << untouched << properEmail;
    QTest::newRow("same address twice, without @, refused as the same")
        << u"Ann"_s << u"nobody"_s << u"Hi"_s << u"Bob"_s << u"nobody"_s << distinct;
    QTest::newRow("same valid address twice")
        << u"Ann"_s << ann << u"Hi"_s << u"Bob"_s << ann << distinct;
    QTest::newRow("same address once with spaces around it")
        << u"Ann"_s << u"  "_s + ann << u"Hi"_s << u"Bob"_s << ann + u" "_s << distinct;
    QTest::newRow("addresses differing only in case are distinct")
        << u"Ann"_s << u"Ann@Example.com"_s << u"Hi"_s << u"Bob"_s << u"ann@example.com"_s << u""_s;
    QTest::newRow("friend's address without @")
        << u"Ann"_s << ann << u"Hi"_s << u"Bob"_s << u"bob.example.org"_s << properEmail;
    QTest::newRow("own address with @ but no dot")
        << u"Ann"_s << u"ann@example"_s << u"Hi"_s << u"Bob"_s << bob << properEmail;
    QTest::newRow("friend's address with @ but no dot")
        << u"Ann"_s << ann << u"Hi"_s << u"Bob"_s << u"bob@example"_s << properEmail;
    QTest::newRow("bad address reported before a missing name")
        << untouched << u"ann@example"_s << u"Hi"_s << untouched << bob << properEmail;
    QTest::newRow("name at its prompt")
        << untouched << ann << u"Hi"_s << u"Bob"_s << bob << u"Please Enter Your Name"_s;
    QTest::newRow("name of spaces only")
        << u"    "_s << ann << u"Hi"_s << u"Bob"_s << bob << u"Please Enter Your Name"_s;
    QTest::newRow("name prompt with spaces around it")
        << u"  Your Name  "_s << ann << u"Hi"_s << u"Bob"_s << bob << u"Please Enter Your Name"_s;
    QTest::newRow("name before friend's name")
        << untouched << ann << u"Hi"_s << untouched << bob << u"Please Enter Your Name"_s;
    QTest::newRow("message at its prompt without line break")
        << u"Ann"_s << ann << u"Your Message"_s << u"Bob"_s << bob
        << u"Please Enter Your Message"_s;
    QTest::newRow("message before friend's name")
        << u"Ann"_s << ann << u" Your Message "_s << untouched << bob
        << u"Please Enter Your Message"_s;
    QTest::newRow("friend's name at its prompt")
        << u"Ann"_s << ann << u"Hi"_s << untouched << bob << u"Please Enter Your Friend's Name"_s;
    QTest::newRow("prompt words in another case are entries")
        << u"your name"_s << ann << u"YOUR MESSAGE"_s << u"friend's name"_s << bob << u""_s;
    QTest::newRow("untouched message with its line break is an entry")
        << u"Ann"_s << ann << untouched << u"Bob"_s << bob << u""_s;
    // A message of no-break spaces is pasted and sent in tst_PromptField.
    // Each character of the name is 12 bytes in the address: too long to give
    // the browser (128 KiB), where nothing would open and nothing be said.
    QTest::newRow("entries too long for the browser")
        << u"\U0001F600"_s.repeated(16'383) << ann << u"Hi"_s << u"Bob"_s << bob
        << u"Your Entries Are Too Long To Send. Please Shorten Them."_s;
}

void tst_modTellAFriend::submitClickRefusesWithFirstProblem()
{
    QFETCH(QString, name);
    QFETCH(QString, email);
    QFETCH(QString, message);
    QFETCH(QString, friendName);
    QFETCH(QString, friendEmail);
    QFETCH(QString, refusal);
    ProgramRun run;
    auto &farewell = run.program.frmNagScreen2().load();
    const auto type = [](QLineEdit *field, const QString &text) {
        if (!text.isNull())
            field->setText(text);
    };
    type(child<QLineEdit>(&farewell, "txtName"), name);
    type(child<QLineEdit>(&farewell, "txtEmail"), email);
    type(child<QLineEdit>(&farewell, "txtFriendName"), friendName);
    type(child<QLineEdit>(&farewell, "txtFriendEmail"), friendEmail);
    if (!message.isNull())
        child<forms::MultiLineTextBox>(&farewell, "txtMessage")->setText(message);

    child<QPushButton>(&farewell, "cmdSubmit")->click();

    if (refusal.isEmpty()) {
        QCOMPARE(run.platform.messages.texts(), QStringList());
        QCOMPARE(run.platform.browser.opened.size(), 1);
        return;
    }
    QCOMPARE(run.platform.messages.texts(), QStringList{refusal});
    const forms::Message &shown = run.platform.messages.shown.first();
    QCOMPARE(shown.title, refusalTitle);
    QCOMPARE(shown.icon, forms::Message::Icon::Error);
    QCOMPARE(shown.buttons, forms::Message::Buttons::Ok);
    QCOMPARE(shown.owner, &farewell);
    QVERIFY(run.platform.browser.opened.isEmpty());
    QVERIFY(run.program.referral().address.isEmpty());
}

// The entries as the click hands them over; the two e-mail addresses have
// already passed their checks where they look like addresses.
void tst_modTellAFriend::submitReferralNamesFirstMissingEntry_data()
{
    QTest::addColumn<QStringList>("entries"); // name, email, message, friend's name and e-mail
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<QString>("language");
    const QString ann = u"ann@example.com"_s;
    const QString bob = u"bob@example.org"_s;
    const auto row = [](const char *name, const QStringList &entries, const char *refusal,
                        const QString &language = u"English"_s) {
        QTest::newRow(name) << entries << QString::fromUtf8(refusal) << language;
    };
    row("all five at their prompts",
        {u"Your Name"_s, u"Your Email Address"_s, u"Your Message"_s, u"Friend's Name"_s,
         u"Friend's Email Address"_s},
        "Please Enter Your Name");
    row("e-mail at its prompt", {u"Ann"_s, u"Your Email Address"_s, u"Hi"_s, u"Bob"_s, bob},
        "Please Enter Your Email");
    row("e-mail of spaces only, message missing too", {u"Ann"_s, u"   "_s, u""_s, u"Bob"_s, bob},
        "Please Enter Your Email");
    row("friend's name with spaces around its prompt",
        {u"Ann"_s, ann, u"Hi"_s, u"  Friend's Name "_s, bob}, "Please Enter Your Friend's Name");
    row("friend's e-mail at its prompt",
        {u"Ann"_s, ann, u"Hi"_s, u"Bob"_s, u"Friend's Email Address"_s},
        "Please Enter Your Friend's Email");
    row("friend's e-mail of spaces only", {u"Ann"_s, ann, u"Hi"_s, u"Bob"_s, u"  "_s},
        "Please Enter Your Friend's Email");
    // Compared with the prompts of the language shown, and refused in it.
    row("all five at their Traditional Chinese prompts",
        {u"您的姓名"_s, u"您的電子郵件地址"_s, u"您的留言"_s, u"朋友的姓名"_s,
         u"朋友的電子郵件地址"_s},
        "請輸入您的姓名", u"zh_TW"_s);
    row("friend's e-mail at its Simplified Chinese prompt",
        {u"Ann"_s, ann, u"Hi"_s, u"Bob"_s, u"朋友的电子邮箱地址"_s}, "请输入朋友的电子邮箱",
        u"zh_CN"_s);
    row("English prompts are entries where Chinese is shown",
        {u"Your Name"_s, u"Your Email Address"_s, u"Your Message"_s, u"Friend's Name"_s, u" "_s},
        "請輸入朋友的電子郵件地址", u"zh_TW"_s);
}

void tst_modTellAFriend::submitReferralNamesFirstMissingEntry()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, refusal);
    QFETCH(QString, language);
    const SpokenLanguage spoken(language);
    fake::Messages messages;
    fake::Browser browser;
    Referral referral = referralOf(entries);

    referral::modTellAFriend::SubmitReferral(referral, messages, browser);

    QCOMPARE(messages.texts(), QStringList{refusal});
    QCOMPARE(messages.shown.first().title, refusalTitle);
    QCOMPARE(messages.shown.first().icon, forms::Message::Icon::Error);
    QCOMPARE(messages.shown.first().buttons, forms::Message::Buttons::Ok);
    QVERIFY(browser.opened.isEmpty());
}

void tst_modTellAFriend::trimSpacesRemovesSpacesOnly_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("trimmed");
    QTest::newRow("empty") << u""_s << u""_s;
    QTest::newRow("spaces only") << u"    "_s << u""_s;
    QTest::newRow("spaces at both ends") << u"  Ann Lee  "_s << u"Ann Lee"_s;
    QTest::newRow("inner spaces kept") << u"a  b"_s << u"a  b"_s;
    QTest::newRow("tabs kept") << u"\tAnn\t"_s << u"\tAnn\t"_s;
    QTest::newRow("line breaks kept") << u" Hi\r\n "_s << u"Hi\r\n"_s;
    QTest::newRow("line break only") << u"\r\n"_s << u"\r\n"_s;
    QTest::newRow("no-break space kept") << u"\u00a0Ann "_s << u"\u00a0Ann"_s;
    QTest::newRow("space inside tabs kept") << u"\t \t"_s << u"\t \t"_s;
}

void tst_modTellAFriend::trimSpacesRemovesSpacesOnly()
{
    QFETCH(QString, text);
    QFETCH(QString, trimmed);
    QCOMPARE(referral::modTellAFriend::trimSpaces(text), trimmed);
}

QTEST_MAIN(tst_modTellAFriend)
#include "tst_modTellAFriend.moc"

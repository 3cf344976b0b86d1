#include "app/Program.h"
#include "app/SettingsCodec.h"
#include "FakePlatform.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;
using app::modHelp::DecodeSetting;
using app::modHelp::EncodeSetting;

// The reminder on a fake clock and a fake settings store.
class tst_RemindToUpdate : public QObject {
    Q_OBJECT
private slots:
    void asksOnlyAfterFourteenDays_data();
    void asksOnlyAfterFourteenDays();
    void yesOpensDownloadPageAfterWriting();
    void storedDateNotUsableAsksNothing_data();
    void storedDateNotUsableAsksNothing();
    void storeThatFails_data();
    void storeThatFails();
};

namespace {

const QDate Today(2026, 12, 7);
const QString DownloadPage = u"http://lvsortilo.velmorasoft.com/download-lv-free-sortilo.html"_s;

struct Reminder {
    fake::Platform fakes;
    const QString key = u"Settings/"_s + EncodeSetting(u"Duration");

    Reminder() { fakes.clock.date = Today; }
    void store(const QString &value) { fakes.settings.values.insert(key, value); }
    QString stored() const { return fakes.settings.values.value(key); }
    void run() { app::modHelp::RemindToUpdate(fakes.services()); }
};

QString isoDate(const QDate &date) { return date.toString(Qt::ISODate); }

} // namespace

void tst_RemindToUpdate::asksOnlyAfterFourteenDays_data()
{
    QTest::addColumn<int>("daysFromToday");
    QTest::addColumn<bool>("asks");
    QTest::newRow("today") << 0 << false;
    QTest::newRow("14 days ago") << -14 << false;
    QTest::newRow("15 days ago") << -15 << true;
    QTest::newRow("a year ago") << -365 << true;
    QTest::newRow("14 days ahead") << 14 << false;
    QTest::newRow("15 days ahead") << 15 << true;
}

// The question, when it comes, comes once: a second start on the same day
// finds today's date.
void tst_RemindToUpdate::asksOnlyAfterFourteenDays()
{
    QFETCH(int, daysFromToday);
    QFETCH(bool, asks);
    Reminder reminder;
    const QString last = isoDate(Today.addDays(daysFromToday));
    reminder.store(EncodeSetting(last));
    reminder.run();
    reminder.run();
    QCOMPARE(reminder.fakes.messages.shown.size(), asks ? 1 : 0);
    QCOMPARE(DecodeSetting(reminder.stored()), asks ? isoDate(Today) : last);
    QVERIFY(reminder.fakes.browser.opened.isEmpty());
    if (!asks)
        return;
    const forms::Message &question = reminder.fakes.messages.shown.first();
    QCOMPARE(question.text, u"There maybe an update to this software available\r"
                            u"Do you want to check for an update?"_s);
    QCOMPARE(question.title, u"LV Sortilo"_s);
    QCOMPARE(question.icon, forms::Message::Icon::Information);
    QCOMPARE(question.buttons, forms::Message::Buttons::YesNo);
}

void tst_RemindToUpdate::yesOpensDownloadPageAfterWriting()
{
    Reminder reminder;
    reminder.store(EncodeSetting(isoDate(Today.addDays(-20))));
    reminder.fakes.messages.answers = {forms::Answer::Yes};
    QString storedWhenOpened;
    reminder.fakes.browser.whileOpening = [&](const QUrl &) {
        storedWhenOpened = DecodeSetting(reminder.stored());
    };
    reminder.run();
    QCOMPARE(reminder.fakes.browser.openedAddresses(), QStringList{DownloadPage});
    QCOMPARE(storedWhenOpened, isoDate(Today));
}

// What the store holds under the key, encoded or plain, when it holds no
// usable date: nothing is asked; with no date at all, today's is written under
// the encoded key, in a plain section, and a damaged one is left as it was.
void tst_RemindToUpdate::storedDateNotUsableAsksNothing_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("storedAfter");
    const QString encoded = EncodeSetting(u"Duration");
    const QString today = EncodeSetting(u"2026-12-07");
    QTest::newRow("nothing stored") << QString() << QString() << today;
    QTest::newRow("a date under the plain key")
        << u"Duration"_s << EncodeSetting(isoDate(Today.addDays(-30))) << today;
    QTest::newRow("not a date") << encoded << EncodeSetting(u"yesterday")
                                << EncodeSetting(u"yesterday");
    QTest::newRow("stored unencoded")
        << encoded << isoDate(Today.addDays(-30)) << isoDate(Today.addDays(-30));
    QTest::newRow("impossible date")
        << encoded << EncodeSetting(u"2026-02-30") << EncodeSetting(u"2026-02-30");
}

void tst_RemindToUpdate::storedDateNotUsableAsksNothing()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QString, storedAfter);
    Reminder reminder;
    if (!key.isNull())
        reminder.fakes.settings.values.insert(u"Settings/"_s + key, value);
    reminder.run();
    QVERIFY(reminder.fakes.messages.shown.isEmpty());
    QCOMPARE(reminder.stored(), storedAfter);
    QStringList keys{reminder.key};
    if (key == u"Duration")
        keys.prepend(u"Settings/Duration"_s);
    QCOMPARE(reminder.fakes.settings.values.keys(), keys);
}

// A store that cannot be read asks nothing. One that can be read but not
// written asks when the date is due, at every start, and Yes still opens the
// page the user asked for.
void tst_RemindToUpdate::storeThatFails_data()
{
    QTest::addColumn<bool>("unreadable");
    QTest::addColumn<bool>("unwritable");
    QTest::addColumn<bool>("due");
    QTest::addColumn<forms::Answer>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<int>("opened");
    using forms::Answer;
    QTest::newRow("unreadable") << true << false << true << Answer::Yes << false << 0;
    QTest::newRow("unwritable, first start") << false << true << false << Answer::Yes << false << 0;
    QTest::newRow("neither readable nor writable")
        << true << true << true << Answer::Yes << false << 0;
    QTest::newRow("unwritable, due, Yes") << false << true << true << Answer::Yes << true << 1;
    QTest::newRow("unwritable, due, No") << false << true << true << Answer::No << true << 0;
}

void tst_RemindToUpdate::storeThatFails()
{
    QFETCH(bool, unreadable);
    QFETCH(bool, unwritable);
    QFETCH(bool, due);
    QFETCH(forms::Answer, answer);
    QFETCH(bool, asked);
    QFETCH(int, opened);
    Reminder reminder;
    fake::SettingsStore &store = reminder.fakes.settings;
    if (due)
        reminder.store(EncodeSetting(isoDate(Today.addDays(-15))));
    store.unreadable = unreadable;
    store.unwritable = unwritable;
    reminder.fakes.messages.answers = {answer};
    reminder.run();
    QCOMPARE(reminder.fakes.messages.shown.size(), asked ? 1 : 0);
    QCOMPARE(reminder.fakes.browser.openedAddresses(),
             opened ? QStringList{DownloadPage} : QStringList());
    QCOMPARE(store.writes, 0);
}

QTEST_GUILESS_MAIN(tst_RemindToUpdate)
#include "tst_RemindToUpdate.moc"

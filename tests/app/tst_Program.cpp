#include "app/Program.h"
#include "app/SettingsCodec.h"
#include "ProgramRun.h"
#include "reading/frmMain.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

QString storedKey() { return u"Settings/"_s + app::modHelp::EncodeSetting(u"Duration"); }

} // namespace

// How the program starts, up to its main window.
class tst_Program : public QObject {
    Q_OBJECT
private slots:
    void firstStartShowsMainWindowWithoutQuestion();
    void secondCopyShowsMessageAndEnds();
    void questionComesBeforeMainWindow_data();
    void questionComesBeforeMainWindow();
    void withoutReminderNothingAsksOrIsWritten_data();
    void withoutReminderNothingAsksOrIsWritten();
};

// The random generator is seeded once, at the start, ready for the first draw.
void tst_Program::firstStartShowsMainWindowWithoutQuestion()
{
    ProgramRun run;
    run.start();
    QCOMPARE(run.platform.random.seedings, 1);
    QVERIFY(run.program.frmMain().ifLoaded());
    QVERIFY(run.program.frmMain().ifLoaded()->isVisible());
    QVERIFY(run.platform.messages.shown.isEmpty());
    QCOMPARE(run.platform.settings.writes, 1);
    QCOMPARE(app::modHelp::DecodeSetting(run.platform.settings.values.value(storedKey())),
             u"2026-12-07"_s);
    QVERIFY(run.platform.processExit.statuses.isEmpty());
}

void tst_Program::secondCopyShowsMessageAndEnds()
{
    ProgramRun run;
    run.platform.instanceLock.anotherCopyRuns = true;
    ShownWindows shown;
    run.start();
    QCOMPARE(run.platform.messages.shown.size(), 1);
    const forms::Message &message = run.platform.messages.shown.first();
    QCOMPARE(message.text, u"Application is already running"_s);
    QCOMPARE(message.title, u"LV Sortilo"_s);
    QCOMPARE(message.icon, forms::Message::Icon::Information);
    QCOMPARE(message.buttons, forms::Message::Buttons::Ok);
    QCOMPARE(run.platform.processExit.statuses.value(0, -1), 0);
    QVERIFY(shown.names.isEmpty());
    QCOMPARE(run.platform.settings.writes, 0);
    QCOMPARE(run.platform.random.seedings, 0);
    QVERIFY(!run.program.frmMain().ifLoaded());
}

void tst_Program::questionComesBeforeMainWindow_data()
{
    QTest::addColumn<forms::Answer>("answer");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<int>("pagesOpened");
    QTest::newRow("yes") << forms::Answer::Yes << true << 1;
    QTest::newRow("no") << forms::Answer::No << true << 0;
    // The start-up and the main window's load each run the reminder; the
    // question comes once all the same.
    QTest::newRow("yes, date not saved") << forms::Answer::Yes << false << 1;
    QTest::newRow("no, date not saved") << forms::Answer::No << false << 0;
}

void tst_Program::questionComesBeforeMainWindow()
{
    QFETCH(forms::Answer, answer);
    QFETCH(bool, saved);
    QFETCH(int, pagesOpened);
    ProgramRun run;
    run.platform.settings.values.insert(storedKey(), app::modHelp::EncodeSetting(u"2026-11-22"));
    run.platform.settings.unwritable = !saved;
    run.platform.messages.answers = {answer};
    ShownWindows shown;
    QStringList shownWhileAsking{u"not asked"_s};
    run.platform.messages.whileShown = [&](const forms::Message &) {
        shownWhileAsking = shown.names;
    };
    run.start();
    QCOMPARE(run.platform.messages.shown.size(), 1);
    QVERIFY(shownWhileAsking.isEmpty());
    QVERIFY(run.program.frmMain().ifLoaded()->isVisible());
    QCOMPARE(app::modHelp::DecodeSetting(run.platform.settings.values.value(storedKey())),
             saved ? u"2026-12-07"_s : u"2026-11-22"_s);
    QCOMPARE(run.platform.browser.opened.size(), pagesOpened);
}

void tst_Program::withoutReminderNothingAsksOrIsWritten_data()
{
    QTest::addColumn<QString>("storedDate");
    QTest::newRow("first start") << QString();
    QTest::newRow("15 days after the last question") << u"2026-11-22"_s;
}

// A build without the update reminder, as a distribution makes it: the start
// and the main window's loading, which would each run the reminder, neither
// ask nor touch the settings.
void tst_Program::withoutReminderNothingAsksOrIsWritten()
{
    QFETCH(QString, storedDate);
    fake::Platform fakes;
    if (!storedDate.isEmpty())
        fakes.settings.values.insert(storedKey(), app::modHelp::EncodeSetting(storedDate));
    const QMap<QString, QString> stored = fakes.settings.values;
    app::Program program(fakes.services(), app::UpdateReminder::Off);
    program.start();
    QVERIFY(program.frmMain().ifLoaded() && program.frmMain().ifLoaded()->isVisible());
    QVERIFY(fakes.messages.shown.isEmpty());
    QCOMPARE(fakes.settings.writes, 0);
    QCOMPARE(fakes.settings.values, stored);
    QVERIFY(fakes.browser.opened.isEmpty());
}

QTEST_MAIN(tst_Program)
#include "tst_Program.moc"

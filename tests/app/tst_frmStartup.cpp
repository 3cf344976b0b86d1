#include "app/SettingsCodec.h"
#include "ProgramRun.h"
#include "reading/frmDisplay.h"
#include "reading/frmMain.h"

#include <QApplication>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// Notes every window of the program that the user could see.
class ShownWindows : public QObject {
public:
    ShownWindows() { qApp->installEventFilter(this); }
    ~ShownWindows() override { qApp->removeEventFilter(this); }
    QStringList names;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType() &&
            static_cast<QWidget *>(watched)->isWindow())
            names.append(watched->objectName());
        return false;
    }
};

QString storedKey()
{
    return u"Settings/"_s + modHelp::EncodeSetting(u"Duration");
}

} // namespace

// How the program starts, up to its main window.
class tst_frmStartup : public QObject {
    Q_OBJECT
private slots:
    void firstStartShowsMainWindowWithoutQuestion();
    void secondCopyShowsMessageAndEnds();
    void questionComesBeforeMainWindow_data();
    void questionComesBeforeMainWindow();
    void generatorSeededOnceBeforeFirstDraw();
    void startupHostIsNeverShown();
};

void tst_frmStartup::firstStartShowsMainWindowWithoutQuestion()
{
    ProgramRun run;
    run.start();
    QVERIFY(run.program.frmMain.ifLoaded());
    QVERIFY(run.program.frmMain.ifLoaded()->isVisible());
    QVERIFY(run.platform.messages.shown.isEmpty());
    QCOMPARE(run.platform.settings.writes, 1);
    QCOMPARE(modHelp::DecodeSetting(run.platform.settings.values.value(storedKey())),
             u"2026-12-07"_s);
    QVERIFY(run.platform.processExit.statuses.isEmpty());
}

void tst_frmStartup::secondCopyShowsMessageAndEnds()
{
    ProgramRun run;
    run.platform.instanceLock.anotherCopyRuns = true;
    ShownWindows shown;
    run.start();
    QCOMPARE(run.platform.messages.shown.size(), 1);
    const platform::Message &message = run.platform.messages.shown.first();
    QCOMPARE(message.text, u"Application is already running"_s);
    QCOMPARE(message.title, u"LV Sortilo"_s);
    QCOMPARE(message.icon, platform::Message::Icon::Information);
    QCOMPARE(message.buttons, platform::Message::Buttons::Ok);
    QCOMPARE(run.platform.processExit.statuses.value(0, -1), 0);
    QVERIFY(shown.names.isEmpty());
    QCOMPARE(run.platform.settings.writes, 0);
    QCOMPARE(run.platform.random.seedings, 0);
    QVERIFY(!run.program.frmMain.ifLoaded());
}

void tst_frmStartup::questionComesBeforeMainWindow_data()
{
    QTest::addColumn<platform::Answer>("answer");
    QTest::addColumn<int>("pagesOpened");
    QTest::newRow("yes") << platform::Answer::Yes << 1;
    QTest::newRow("no") << platform::Answer::No << 0;
}

void tst_frmStartup::questionComesBeforeMainWindow()
{
    QFETCH(platform::Answer, answer);
    QFETCH(int, pagesOpened);
    ProgramRun run;
    run.platform.settings.values.insert(storedKey(), modHelp::EncodeSetting(u"2026-11-22"));
    run.platform.messages.answers = {answer};
    ShownWindows shown;
    QStringList shownWhileAsking{u"not asked"_s};
    run.platform.messages.whileShown = [&](const platform::Message &) {
        shownWhileAsking = shown.names;
    };
    run.start();
    QCOMPARE(run.platform.messages.shown.size(), 1);
    QVERIFY(shownWhileAsking.isEmpty());
    QVERIFY(run.program.frmMain.ifLoaded()->isVisible());
    QCOMPARE(modHelp::DecodeSetting(run.platform.settings.values.value(storedKey())),
             u"2026-12-07"_s);
    QCOMPARE(run.platform.browser.opened.size(), pagesOpened);
}

void tst_frmStartup::generatorSeededOnceBeforeFirstDraw()
{
    ProgramRun run;
    run.start();
    QCOMPARE(run.platform.random.seedings, 1);
}

void tst_frmStartup::startupHostIsNeverShown()
{
    ProgramRun run;
    ShownWindows shown;
    run.start();
    auto &main = *run.program.frmMain;
    run.read(main.picMain);
    QTest::mouseClick(run.program.frmDisplay.ifLoaded()->cmdOK, Qt::LeftButton);
    main.close();
    QVERIFY(shown.names.contains(u"frmMain"_s));
    QVERIFY(shown.names.contains(u"frmNagScreen2"_s));
    QVERIFY(!shown.names.contains(u"frmStartup"_s));
}

QTEST_MAIN(tst_frmStartup)
#include "tst_frmStartup.moc"

#include "app/Program.h"
#include "app/SettingsCodec.h"
#include "ChildProcess.h"
#include "platform/QtPlatform.h"
#include "ProgramRun.h"
#include "reading/frmDisplay.h"
#include "reading/frmMain.h"
#include "referral/frmNagScreen2.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

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
    void startsWhateverTheSettingsFileHolds_data();
    void startsWhateverTheSettingsFileHolds();
    void endApplicationUnloadsEveryWindowOnceThenExits();
    void endApplicationFromAnUnloadHandlerCarriesOn();
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

void tst_Program::startsWhateverTheSettingsFileHolds_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("empty") << u"empty"_s;
    QTest::newRow("binary garbage") << u"garbage"_s;
    QTest::newRow("huge") << u"huge"_s;
    QTest::newRow("a folder") << u"folder"_s;
    QTest::newRow("a pipe") << u"pipe"_s;
    QTest::newRow("unreadable") << u"unreadable"_s;
    QTest::newRow("in a read-only folder") << u"read-only folder"_s;
    QTest::newRow("in a folder that cannot be made") << u"no folder"_s;
}

// A settings file the program did not write, or cannot use, never keeps it
// from starting, and is never mentioned to the user.
void tst_Program::startsWhateverTheSettingsFileHolds()
{
    QFETCH(QString, kind);
    const auto startWithSettingsFile = [&] {
        QTemporaryDir folder;
        // Writable again at the end, whatever the checks found, so that it can go.
        const auto unlock = qScopeGuard([&] {
            QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                     QFileDevice::ExeOwner);
        });
        QString path = folder.filePath(u"lv-sortilo.ini"_s);
        QFile file(path);
        if (kind == u"folder") {
            QVERIFY(QDir().mkpath(path));
        } else if (kind == u"pipe") {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (kind == u"no folder") {
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.close();
            path += u"/lv-sortilo.ini"_s;
        } else {
            QVERIFY(file.open(QIODevice::WriteOnly));
            if (kind == u"garbage")
                file.write(QByteArray("\x00[Settings]\xff\xfe=\x01\n\x80%%", 16));
            else if (kind == u"huge")
                file.write(QByteArray(8 * 1024 * 1024, '['));
            file.close();
            if (kind == u"unreadable")
                QVERIFY(file.setPermissions(QFileDevice::WriteOwner));
            if (kind == u"read-only folder")
                QVERIFY(QFile::setPermissions(folder.path(),
                                              QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        }
        fake::Platform fakes;
        platform::IniSettingsStore store(path);
        app::Program program(fakes.services(store));
        program.start();
        QVERIFY(program.frmMain().ifLoaded() && program.frmMain().ifLoaded()->isVisible());
        QVERIFY(fakes.messages.shown.isEmpty());
    };
    // File permissions bind only an ordinary user.
    if (kind == u"unreadable" || kind == u"read-only folder")
        QVERIFY2(test::runAsOrdinaryUser(startWithSettingsFile),
                 "the checks failed for an ordinary user");
    else
        startWithSettingsFile();
}

// A full reading, then the end: every window is unloaded once.
void tst_Program::endApplicationUnloadsEveryWindowOnceThenExits()
{
    ProgramRun run;
    run.start();
    run.read(child<QAbstractButton>(&run.program.frmMain().load(), "picMain"));
    QCOMPARE(forms::loadedForms().size(), 3); // main, results, farewell
    const CleanEnd end(run);
    app::modHelp::EndApplication(run.platform.processExit);
    QCOMPARE(end.unloads().keys(),
             (QStringList{u"frmDisplay"_s, u"frmMain"_s, u"frmNagScreen2"_s}));
    QVERIFY2(end.faults().isEmpty(), qPrintable(end.faults()));
}

// The farewell window's unload handler ends the program while the main window
// is still loaded: unloading the main window on the way brings the farewell
// window, which is already on its way out, and the end carries on.
void tst_Program::endApplicationFromAnUnloadHandlerCarriesOn()
{
    ProgramRun run;
    run.start();
    run.read(child<QAbstractButton>(&run.program.frmMain().load(), "picMain"));
    run.program.frmDisplay().ifLoaded()->close();
    QStringList order;
    for (forms::Form *form : forms::loadedForms())
        connect(form, &forms::Form::unloaded,
                [&order, name = form->objectName()] { order.append(name); });
    run.program.frmNagScreen2().ifLoaded()->close();
    QCOMPARE(order, (QStringList{u"frmMain"_s, u"frmNagScreen2"_s}));
    QVERIFY(forms::loadedForms().isEmpty());
    QVERIFY(!run.platform.processExit.statuses.isEmpty());
}

QTEST_MAIN(tst_Program)
#include "tst_Program.moc"

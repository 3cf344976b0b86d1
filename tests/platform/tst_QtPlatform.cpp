#include "ChildProcess.h"
#include "FakePlatform.h"
#include "platform/ApplicationStart.h"
#include "platform/QtPlatform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QProcessEnvironment>
#include <QPushButton>
#include <QScopeGuard>
#include <QSettings>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <csignal>

#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// Closes every modal window still up, whatever the checks before it found: a
// failing check must never leave the test waiting on a box.
void closeModalWindows()
{
    for (int attempt = 0; attempt < 10; ++attempt) {
        QWidget *const modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (auto *const dialog = qobject_cast<QDialog *>(modal))
            dialog->reject();
        else
            modal->close();
    }
}

} // namespace

// The real platform services, as far as they can be tried without a desktop.
class tst_QtPlatform : public QObject {
    Q_OBJECT
private slots:
    void storeKeepsWhatItWrites();
    void storeSurvivesFilesItDidNotWrite_data();
    void storeSurvivesFilesItDidNotWrite();
    void storeInFolderThatCannotBeMadeFailsQuietly();
    void storeWritesWhateverLockFileLiesBesideIt_data();
    void storeWritesWhateverLockFileLiesBesideIt();
    void randomValuesAreTwentyFourBitStepsBelowOne();
    void randomSequenceFollowsItsSeed();
    void messageBoxShowsLoneCarriageReturnAsLineBreak();
    void questionDefaultsToYes_data();
    void questionDefaultsToYes();
    void messageBoxOpensInFrontOfEverything();
    void browserIsGivenWhatTheSystemPassesToAProgram_data();
    void browserIsGivenWhatTheSystemPassesToAProgram();
    void openingAPageKeepsItsQueryOutOfTheLog();
    void applicationIsKnownByItsDesktopEntry();
    void waylandDesktopRunsThroughXWayland_data();
    void waylandDesktopRunsThroughXWayland();
};

void tst_QtPlatform::storeKeepsWhatItWrites()
{
    QTemporaryDir folder;
    // The user's runtime folder, where the write keeps its private copy on the way.
    const QString runtime = folder.filePath(u"runtime"_s);
    QVERIFY(QDir().mkdir(runtime));
    QVERIFY(QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                               QFileDevice::ExeOwner));
    const QByteArray runtimeBefore = qgetenv("XDG_RUNTIME_DIR");
    const auto restoreRuntime = qScopeGuard([&] { qputenv("XDG_RUNTIME_DIR", runtimeBefore); });
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    const QString path = folder.filePath(u"config/lv-sortilo.ini"_s);
    platform::IniSettingsStore store(path);
    QCOMPARE(store.read(u"Settings"_s, u"key"_s), QString());
    QVERIFY(store.write(u"Settings"_s, u"k\u00e9y"_s, u"CACG>BC>AH\u0085"_s));
    // Durable at once: another reader of the file sees it.
    QSettings other(path, QSettings::IniFormat);
    QCOMPARE(other.value(u"Settings/k\u00e9y"_s).toString(), u"CACG>BC>AH\u0085"_s);
    QCOMPARE(platform::IniSettingsStore(path).read(u"Settings"_s, u"k\u00e9y"_s),
             u"CACG>BC>AH\u0085"_s);
    // Nothing of the write is left behind in the runtime folder, which is
    // kept in memory on most desktops.
    QCOMPARE(QDir(runtime).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList());
}

void tst_QtPlatform::storeSurvivesFilesItDidNotWrite_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QFileDevice::Permissions>("permissions");
    QTest::addColumn<bool>("readable");
    const QFileDevice::Permissions asMade;
    QTest::newRow("empty") << QByteArray() << asMade << true;
    QTest::newRow("binary garbage")
        << QByteArray("\x00\xff\xfe[\x01=\x02\n\x80\x81", 10) << asMade << true;
    QTest::newRow("huge") << QByteArray(4 * 1024 * 1024, 'x') << asMade << false;
    QTest::newRow("a folder") << QByteArray("folder") << asMade << false;
    QTest::newRow("unreadable") << QByteArray("[Settings]\nkey=\n")
                                << QFileDevice::Permissions(QFileDevice::WriteOwner) << false;
    QTest::newRow("read-only") << QByteArray("[Settings]\nkey=\n")
                               << QFileDevice::Permissions(QFileDevice::ReadOwner) << true;
}

void tst_QtPlatform::storeSurvivesFilesItDidNotWrite()
{
    QFETCH(QByteArray, content);
    QFETCH(QFileDevice::Permissions, permissions);
    QFETCH(bool, readable);
    const auto tryTheFile = [&] {
        QTemporaryDir folder;
        const QString path = folder.filePath(u"lv-sortilo.ini"_s);
        if (content == "folder") {
            QVERIFY(QDir().mkpath(path));
        } else {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
            if (permissions)
                QVERIFY(file.setPermissions(permissions));
        }
        platform::IniSettingsStore store(path);
        const auto value = store.read(u"Settings"_s, u"key"_s);
        QCOMPARE(value.has_value(), readable);
        if (readable)
            QVERIFY(value->isEmpty());
        const bool written = store.write(u"Settings"_s, u"key"_s, u"value"_s);
        if (!readable || (permissions && !permissions.testFlag(QFileDevice::WriteOwner))) {
            // What the program cannot read it does not overwrite either, and
            // what it cannot write it does not report as written.
            QVERIFY(!written);
            QCOMPARE(QFileInfo(path).size(),
                     content == "folder" ? QFileInfo(path).size() : qint64(content.size()));
        }
    };
    // File permissions bind only an ordinary user.
    if (permissions)
        QVERIFY2(test::runAsOrdinaryUser(tryTheFile), "the checks failed for an ordinary user");
    else
        tryTheFile();
}

void tst_QtPlatform::storeInFolderThatCannotBeMadeFailsQuietly()
{
    QTemporaryDir folder;
    QFile blocker(folder.filePath(u"not-a-folder"_s));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    platform::IniSettingsStore store(folder.filePath(u"not-a-folder/lv-sortilo.ini"_s));
    QVERIFY(!store.write(u"Settings"_s, u"key"_s, u"value"_s));
    QVERIFY(store.read(u"Settings"_s, u"key"_s).value_or(u"x"_s).isEmpty());
}

void tst_QtPlatform::storeWritesWhateverLockFileLiesBesideIt_data()
{
    QTest::addColumn<QByteArray>("lock");
    // A lock file holds the holder's process id, program and host, a line each.
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("from another host, as on a shared home")
        << QByteArray("4242\nlv-sortilo\nanother-host.example\n");
    // This test itself, which outlives the write.
    QTest::newRow("of a process that runs here")
        << QByteArray::number(::getpid()) + '\n' +
               QFileInfo(QCoreApplication::applicationFilePath()).fileName().toUtf8() + '\n' +
               QSysInfo::machineHostName().toUtf8() + '\n';
}

// A lock file beside the settings file, however it got there, neither delays
// a write nor keeps it from happening; and the write keeps the rest of the file.
void tst_QtPlatform::storeWritesWhateverLockFileLiesBesideIt()
{
    QFETCH(QByteArray, lock);
    QTemporaryDir folder;
    const QString path = folder.filePath(u"lv-sortilo.ini"_s);
    QFile settings(path);
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write("[Other]\nkept=1\n\n[Settings]\nkey=old\n");
    settings.close();
    QFile lockFile(path + u".lock"_s);
    QVERIFY(lockFile.open(QIODevice::WriteOnly));
    lockFile.write(lock);
    lockFile.close();
    // A write that waits on the lock is ended long before the lock would go stale.
    constexpr unsigned limitSeconds = 5;
    test::ChildProcess writer(test::ChildProcess::As::ThisUser, [&] {
        ::alarm(limitSeconds);
        return platform::IniSettingsStore(path).write(u"Settings"_s, u"key"_s, u"new"_s) ? 0 : 1;
    });
    QVERIFY(writer.started());
    const int status = writer.wait();
    QVERIFY2(status != -SIGALRM, "the write still waited for the lock file after 5 s");
    QCOMPARE(status, 0);
    platform::IniSettingsStore store(path);
    QCOMPARE(store.read(u"Settings"_s, u"key"_s), u"new"_s);
    QCOMPARE(store.read(u"Other"_s, u"kept"_s), u"1"_s);
}

void tst_QtPlatform::randomValuesAreTwentyFourBitStepsBelowOne()
{
    fake::Clock clock;
    platform::ClockSeededRandom random(clock);
    float lowest = 1, highest = 0;
    for (int i = 0; i < 100000; ++i) {
        const float r = random.next();
        QVERIFY(r >= 0.0f && r < 1.0f);
        const double steps = double(r) * (1 << 24);
        QCOMPARE(steps, std::floor(steps));
        lowest = std::min(lowest, r);
        highest = std::max(highest, r);
    }
    QVERIFY(lowest < 0.001f);
    QVERIFY(highest > 0.999f);
}

void tst_QtPlatform::randomSequenceFollowsItsSeed()
{
    fake::Clock clock;
    platform::ClockSeededRandom first(clock), second(clock);
    const float a = first.next();
    QCOMPARE(second.next(), a);
    clock.seed += 1;
    first.seedFromClock();
    second.seedFromClock();
    QCOMPARE(first.next(), second.next());
    clock.seed = 12345;
    first.seedFromClock();
    QCOMPARE(first.next(), a);
    clock.seed = 99;
    first.seedFromClock();
    QVERIFY(first.next() != a);
}

void tst_QtPlatform::messageBoxShowsLoneCarriageReturnAsLineBreak()
{
    platform::MessageBoxes boxes;
    QString shownText, title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QTimer::singleShot(0, [&] {
        const auto closeBox = qScopeGuard(closeModalWindows);
        auto *const box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        shownText = box->text();
        title = box->windowTitle();
        icon = box->icon();
        box->button(QMessageBox::Ok)->click();
    });
    const platform::Answer answer =
        boxes.ask({u"one\rtwo"_s, u"LV Sortilo"_s, platform::Message::Icon::Error,
                   platform::Message::Buttons::Ok});
    QCOMPARE(answer, platform::Answer::Ok);
    QCOMPARE(shownText, u"one\ntwo"_s);
    QCOMPARE(title, u"LV Sortilo"_s);
    QCOMPARE(icon, QMessageBox::Critical);
}

void tst_QtPlatform::questionDefaultsToYes_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<platform::Answer>("answer");
    QTest::newRow("Enter") << int(Qt::Key_Return) << platform::Answer::Yes;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << platform::Answer::No;
}

void tst_QtPlatform::questionDefaultsToYes()
{
    QFETCH(int, key);
    QFETCH(platform::Answer, answer);
    platform::MessageBoxes boxes;
    QTimer::singleShot(0, [&] {
        const auto closeBox = qScopeGuard(closeModalWindows);
        QWidget *const box = QApplication::activeModalWidget();
        QVERIFY(box);
        QTest::keyClick(box, Qt::Key(key));
    });
    QCOMPARE(boxes.ask({u"?"_s, u"LV Sortilo"_s, platform::Message::Icon::Information,
                        platform::Message::Buttons::YesNo}),
             answer);
}

// Even in front of a window that stays on top, such as the farewell window,
// and owned by the window it speaks to.
void tst_QtPlatform::messageBoxOpensInFrontOfEverything()
{
    QWidget onTop(nullptr, Qt::Window | Qt::WindowStaysOnTopHint);
    onTop.show();
    onTop.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&onTop));
    platform::MessageBoxes boxes;
    bool inFront = false, belongsToOpener = false;
    QTimer::singleShot(0, [&] {
        const auto closeBox = qScopeGuard(closeModalWindows);
        QWidget *const box = QApplication::activeModalWidget();
        QVERIFY(box);
        inFront = box->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        belongsToOpener = box->windowHandle()->transientParent() == onTop.windowHandle();
        QTest::keyClick(box, Qt::Key_Return);
    });
    boxes.ask({u"Please Enter Your Name"_s, u"LV Sortilo"_s, platform::Message::Icon::Error,
               platform::Message::Buttons::Ok, &onTop});
    QVERIFY(inFront);
    QVERIFY(belongsToOpener);
}

// The browser is given an address as one argument of a program it starts;
// the system refuses to start a program with a longer one (Linux: 128 KiB
// with the closing NUL), and such an address is not tried.
void tst_QtPlatform::browserIsGivenWhatTheSystemPassesToAProgram_data()
{
    QTest::addColumn<qsizetype>("length");
    QTest::newRow("short") << qsizetype(100);
    QTest::newRow("128 KiB less one byte") << qsizetype(128 * 1024 - 1);
    QTest::newRow("128 KiB") << qsizetype(128 * 1024);
    QTest::newRow("1 MiB") << qsizetype(1024 * 1024);
}

void tst_QtPlatform::browserIsGivenWhatTheSystemPassesToAProgram()
{
    QFETCH(qsizetype, length);
    const QByteArray page = "http://www.velmorasoft.com/lvms-refer-a-friend.php?taf1=";
    const QUrl address =
        QUrl::fromEncoded(page + QByteArray(length - page.size(), 'a'), QUrl::StrictMode);
    QCOMPARE(address.toEncoded().size(), length);
    const QString program = QStandardPaths::findExecutable(u"true"_s);
    QVERIFY(!program.isEmpty());
    const bool systemPassesIt =
        QProcess::execute(program, {QString::fromLatin1(address.toEncoded())}) == 0;

    QCOMPARE(platform::DesktopBrowser().canOpen(address), systemPassesIt);
}

// The referral page's query holds what the user typed. Qt writes the address
// to the log when it cannot open it (here the platform cannot; on a desktop,
// when no browser is found or it cannot be started): the log names the page,
// but never the query.
void tst_QtPlatform::openingAPageKeepsItsQueryOutOfTheLog()
{
    // Nowhere to find a browser, should the platform look for one.
    const QTemporaryDir emptyFolder;
    const QByteArray path = qgetenv("PATH");
    const auto restorePath = qScopeGuard([&] { qputenv("PATH", path); });
    qputenv("PATH", QFile::encodeName(emptyFolder.path()));
    qunsetenv("BROWSER");
    qunsetenv("DEFAULT_BROWSER");
    static QStringList logged;
    logged.clear();
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext &, const QString &text) { logged.append(text); });
    const auto restoreHandler = qScopeGuard([previous] { qInstallMessageHandler(previous); });
    const QUrl address = QUrl::fromEncoded(
        "http://www.velmorasoft.com/lvms-refer-a-friend.php?taf1=Zo%C3%AB%20Secret"
        "&taf2=zoe%40example.com&taf3=My%20message%0D%0A",
        QUrl::StrictMode);

    platform::DesktopBrowser().open(address);

    const QString log = logged.join(u'\n');
    QVERIFY2(log.contains(u"http://www.velmorasoft.com/lvms-refer-a-friend.php"_s),
             qPrintable(log));
    for (const char *entry : {"Secret", "zoe", "message"})
        QVERIFY2(!log.contains(QLatin1StringView(entry)), qPrintable(log));
}

// Docks and compositors find the program's menu entry by the name it gives.
void tst_QtPlatform::applicationIsKnownByItsDesktopEntry()
{
    QCOMPARE(QGuiApplication::desktopFileName(), platform::desktopEntryId());
    QVERIFY(QFile::exists(QStringLiteral(SORTILO_SOURCE_DIR) + u"/packaging/"_s +
                          platform::desktopEntryId() + u".desktop.in"_s));
    // A platform the user chose is left as it is.
    QCOMPARE(QGuiApplication::platformName(), u"offscreen"_s);
    QCOMPARE(qgetenv("QT_QPA_PLATFORM"), QByteArray("offscreen"));
}

void tst_QtPlatform::waylandDesktopRunsThroughXWayland_data()
{
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QByteArray>("windowSystem");
    const QByteArray xwayland = "xcb;wayland";
    QTest::newRow("X11 desktop") << QStringList{u"DISPLAY=:0"_s, u"XDG_SESSION_TYPE=x11"_s}
                                 << QByteArray();
    QTest::newRow("nothing said") << QStringList() << QByteArray();
    QTest::newRow("Wayland desktop") << QStringList{u"DISPLAY=:0"_s, u"WAYLAND_DISPLAY=wayland-0"_s,
                                                    u"XDG_SESSION_TYPE=wayland"_s}
                                     << xwayland;
    QTest::newRow("Wayland display alone")
        << QStringList{u"WAYLAND_DISPLAY=wayland-0"_s} << xwayland;
    QTest::newRow("Wayland session alone")
        << QStringList{u"XDG_SESSION_TYPE=wayland"_s} << xwayland;
    QTest::newRow("empty platform is no choice")
        << QStringList{u"QT_QPA_PLATFORM="_s, u"WAYLAND_DISPLAY=wayland-0"_s} << xwayland;
    QTest::newRow("user chose Wayland")
        << QStringList{u"QT_QPA_PLATFORM=wayland"_s, u"WAYLAND_DISPLAY=wayland-0"_s}
        << QByteArray();
    QTest::newRow("user chose offscreen")
        << QStringList{u"QT_QPA_PLATFORM=offscreen"_s, u"XDG_SESSION_TYPE=wayland"_s}
        << QByteArray();
}

void tst_QtPlatform::waylandDesktopRunsThroughXWayland()
{
    QFETCH(QStringList, environment);
    QFETCH(QByteArray, windowSystem);
    QProcessEnvironment variables;
    for (const QString &variable : environment)
        variables.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
    QCOMPARE(platform::windowSystemFor(variables), windowSystem);
}

// The tests run in the application object that the program starts with.
int main(int argc, char *argv[])
{
    const auto application = platform::startApplication(argv[0]);
    application->setAttribute(Qt::AA_Use96Dpi, true);
    tst_QtPlatform test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_QtPlatform.moc"

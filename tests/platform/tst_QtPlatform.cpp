#include "FakePlatform.h"
#include "platform/ApplicationStart.h"
#include "platform/QtPlatform.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

// The real platform services, as far as they can be tried without a desktop.
class tst_QtPlatform : public QObject {
    Q_OBJECT
private slots:
    void randomValuesAreTwentyFourBitStepsBelowOne();
    void randomSequenceFollowsItsSeed();
    void browserIsGivenWhatTheSystemPassesToAProgram_data();
    void browserIsGivenWhatTheSystemPassesToAProgram();
    void applicationIsKnownByItsDesktopEntry();
    void waylandDesktopRunsThroughXWayland_data();
    void waylandDesktopRunsThroughXWayland();
};

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

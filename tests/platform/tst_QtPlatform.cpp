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
    void randomValuesAreTwentyFourBitStepsBelowOne();
    void randomSequenceFollowsItsSeed();
    void messageBoxShowsLoneCarriageReturnAsLineBreak();
    void questionDefaultsToYes_data();
    void questionDefaultsToYes();
    void messageBoxOpensInFrontOfEverything();
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

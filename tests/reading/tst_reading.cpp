#include "forms/Controls.h"
#include "links/frmAbout.h"
#include "ProgramRun.h"
#include "reading/frmDisplay.h"
#include "reading/frmMain.h"
#include "referral/frmNagScreen2.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using namespace std::chrono_literals;

// A whole reading, from the click on the sticks to the results and back.
class tst_reading : public QObject {
    Q_OBJECT
private slots:
    void readingShowsStickAndSentence_data();
    void readingShowsStickAndSentence();
    void backReturnsToReadyMainWindow_data();
    void backReturnsToReadyMainWindow();
    void menuDuringWaitOpensPageAndReadingCompletes();
    void aboutDuringWaitHoldsReadingUntilClosed();
    void enterPressesFocusedButtonOrExit_data();
    void enterPressesFocusedButtonOrExit();
    void pictureStartsReadingFromKeyboard_data();
    void pictureStartsReadingFromKeyboard();
};

namespace {

reading::frmMain &mainWindow(ProgramRun &run) { return run.program.frmMain().load(); }

// A key goes where a user's key goes: to the open menu, else to the control
// that has the focus, else to the window.
void press(QWidget *window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *target = QApplication::activePopupWidget();
    if (!target)
        target = QApplication::focusWidget();
    QTest::keyClick(target ? target : window, key, modifiers);
}

bool menuOpens()
{
    return QTest::qWaitFor([] { return QApplication::activePopupWidget(); });
}

// What the user does in the window between two keys: "menus", the Help menu
// and the File menu opened from the keyboard, each closed with Esc, and a
// last Esc out of the menu bar; "another window", another window activated
// and then this one again; "menu bar, another window", Esc out of the Help
// menu, which leaves the menu bar in use, and then another window and this
// one again.
bool goAwayAndBack(QWidget *window, const QString &how)
{
    if (how.isEmpty())
        return true;
    const bool bar = how.startsWith(u"menu"_s);
    if (bar) {
        press(window, Qt::Key_H, Qt::AltModifier);
        if (!menuOpens())
            return false;
        press(window, Qt::Key_Escape);
    }
    if (how == u"menus"_s) {
        press(window, Qt::Key_F, Qt::AltModifier);
        if (!menuOpens())
            return false;
        press(window, Qt::Key_Escape);
        press(window, Qt::Key_Escape);
    }
    if (how.endsWith(u"another window"_s)) {
        QWidget other;
        if (!showActive(&other))
            return false;
    }
    return showActive(window);
}

} // namespace

// The number, one digit or two, in the middle of its square; the sentence,
// the longest one too, wrapped and whole.
void tst_reading::readingShowsStickAndSentence_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("sentence");
    QTest::newRow("stick 1") << 0.0f << u"1"_s << tabledFortune(1);
    QTest::newRow("stick 42") << 41.5f / 78 << u"42"_s << tabledFortune(42);
    QTest::newRow("stick 60, the longest sentence") << 59.5f / 78 << u"60"_s << tabledFortune(60);
    QTest::newRow("stick 78") << 0.9999f << u"78"_s << tabledFortune(78);
}

void tst_reading::readingShowsStickAndSentence()
{
    QFETCH(float, r);
    QFETCH(QString, number);
    QFETCH(QString, sentence);
    ProgramRun run;
    run.platform.random.values = {r};
    run.start();
    auto &main = mainWindow(run);
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QVERIFY(!run.program.frmDisplay().ifLoaded());
    // While the sticks are shaken, a panel stands in the picture's place.
    bool panelShown = false, pictureHidden = false, mainShown = false, noResults = false;
    run.read(child<QAbstractButton>(&main, "picMain"), [&] {
        panelShown = child<QFrame>(&main, "picMessage")->isVisible();
        pictureHidden = child<QAbstractButton>(&main, "picMain")->isHidden();
        mainShown = main.isVisible();
        noResults = !run.program.frmDisplay().ifLoaded();
    });
    QVERIFY(panelShown);
    QVERIFY(pictureHidden);
    QVERIFY(mainShown);
    QVERIFY(noResults);

    auto *const display = run.program.frmDisplay().ifLoaded();
    QVERIFY(display);
    QVERIFY(display->isVisible());
    QLabel *const stick = child<QLabel>(display, "lblStick");
    QCOMPARE(stick->text(), number);
    const QRect square = child<QWidget>(display, "Frame3")->rect();
    QVERIFY(square.contains(stick->geometry()));
    QVERIFY(stick->width() >= stick->sizeHint().width());
    QVERIFY(qAbs(stick->geometry().center().x() - square.center().x()) <= 1);
    QVERIFY(qAbs(stick->geometry().center().y() - square.center().y()) <= 1);
    QLabel *const shown = child<QLabel>(display, "lblDesc");
    QCOMPARE(shown->text(), sentence);
    QVERIFY(shown->wordWrap());
    QVERIFY(shown->heightForWidth(shown->width()) <= shown->height());
    QVERIFY(main.isHidden());
    // The first reading loads the farewell window, and leaves it hidden.
    QVERIFY(run.program.frmNagScreen2().ifLoaded());
    QVERIFY(run.program.frmNagScreen2().ifLoaded()->isHidden());
}

void tst_reading::backReturnsToReadyMainWindow_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("button") << u"button"_s;
    QTest::newRow("button's access key") << u"alt+b"_s;
    QTest::newRow("menu entry") << u"menu"_s;
}

void tst_reading::backReturnsToReadyMainWindow()
{
    QFETCH(QString, how);
    ProgramRun run;
    // Stick 1, the farewell window's word of support, stick 40.
    run.platform.random.values = {0.0f, 0.0f, 0.5f};
    QWidget *const display = run.window(u"frmDisplay"_s);
    auto &main = mainWindow(run);
    QVERIFY(display);
    QVERIFY(QTest::qWaitForWindowActive(display));
    const ShownWindows shown;
    if (how == u"button")
        QTest::mouseClick(child<QPushButton>(display, "cmdOK"), Qt::LeftButton);
    else if (how == u"alt+b")
        QTest::keyClick(display, Qt::Key_B, Qt::AltModifier);
    else
        ProgramRun::choose(display, child<QAction>(display, "mnuFileBack"));

    // An access key presses its button after the button's short press animation.
    QTRY_VERIFY(!run.program.frmDisplay().ifLoaded());
    QVERIFY(main.isVisible());
    QVERIFY(child<QAbstractButton>(&main, "picMain")->isVisible());
    QVERIFY(child<QFrame>(&main, "picMessage")->isHidden());
    // Not even for a moment does the farewell window show on the way.
    QVERIFY2(!shown.names.contains(u"frmNagScreen2"_s), qPrintable(shown.names.join(u' ')));
    QVERIFY(run.program.frmNagScreen2().ifLoaded()->isHidden());
    QVERIFY(run.platform.messages.shown.isEmpty());
    QVERIFY(run.platform.processExit.statuses.isEmpty());

    // Ready for another reading, with a stick of its own.
    run.read(child<QAbstractButton>(&main, "picMain"));
    auto *const next = run.program.frmDisplay().ifLoaded();
    QVERIFY(next && next->isVisible());
    QCOMPARE(child<QLabel>(next, "lblStick")->text(), u"40"_s);
}

void tst_reading::menuDuringWaitOpensPageAndReadingCompletes()
{
    ProgramRun run;
    run.start();
    auto &main = mainWindow(run);
    QVERIFY(QTest::qWaitForWindowActive(&main));
    QStringList openedDuringWait;
    run.read(child<QAbstractButton>(&main, "picMain"), [&] {
        ProgramRun::choose(&main, child<QAction>(&main, "mnuOnline"));
        openedDuringWait = run.platform.browser.openedAddresses();
    });
    QCOMPARE(openedDuringWait,
             QStringList{u"http://lvsortilo.velmorasoft.com/lv-free-sortilo-help.html"_s});
    QVERIFY(run.program.frmDisplay().ifLoaded());
    QVERIFY(run.program.frmDisplay().ifLoaded()->isVisible());
}

void tst_reading::aboutDuringWaitHoldsReadingUntilClosed()
{
    ProgramRun run;
    run.start();
    auto &main = mainWindow(run);
    bool resultsWhileAboutOpen = true;
    bool aboutWasOpen = false;
    run.read(child<QAbstractButton>(&main, "picMain"), [&] {
        QTimer::singleShot(20, [&] {
            auto *const about = main.findChild<links::frmAbout *>();
            aboutWasOpen = about && about->isVisible();
            // The time is up while the about window is open.
            run.platform.clock.now += 10s;
            QTest::qWait(50);
            resultsWhileAboutOpen = run.program.frmDisplay().ifLoaded() != nullptr;
            if (about)
                QTest::mouseClick(child<QPushButton>(about, "cmdOK"), Qt::LeftButton);
        });
        ProgramRun::choose(&main, child<QAction>(&main, "mnuAbout"));
    });
    QVERIFY(aboutWasOpen);
    QVERIFY(!resultsWhileAboutOpen);
    QVERIFY(run.program.frmDisplay().ifLoaded());
}

// Also when the user went to the menus or to another window and came back:
// the focus is where it was.
void tst_reading::enterPressesFocusedButtonOrExit_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("awayAndBack");
    QTest::addColumn<bool>("backToMain");
    QTest::newRow("Back has the focus, as on opening") << u"cmdOK"_s << u""_s << true;
    QTest::newRow("Exit has the focus") << u"cmdExit"_s << u""_s << false;
    QTest::newRow("no button has the focus") << u""_s << u""_s << false;
    QTest::newRow("Back had it before the menus") << u"cmdOK"_s << u"menus"_s << true;
    QTest::newRow("Back had it before another window") << u"cmdOK"_s << u"another window"_s << true;
    QTest::newRow("Back had it before the menu bar and another window")
        << u"cmdOK"_s << u"menu bar, another window"_s << true;
}

void tst_reading::enterPressesFocusedButtonOrExit()
{
    QFETCH(QString, focus);
    QFETCH(QString, awayAndBack);
    QFETCH(bool, backToMain);
    ProgramRun run;
    QWidget *const display = run.window(u"frmDisplay"_s);
    auto &main = mainWindow(run);
    QVERIFY(display);
    QVERIFY(QTest::qWaitForWindowActive(display));
    QCOMPARE(display->focusWidget(), child<QPushButton>(display, "cmdOK"));
    if (focus == u"cmdExit")
        QTest::keyClick(child<QPushButton>(display, "cmdOK"), Qt::Key_Tab);
    else if (focus.isEmpty())
        child<QPushButton>(display, "cmdOK")->clearFocus();
    QVERIFY(goAwayAndBack(display, awayAndBack));
    if (!focus.isEmpty())
        QTRY_COMPARE(QApplication::focusWidget(), child<QPushButton>(display, qPrintable(focus)));
    press(display, Qt::Key_Return);
    QVERIFY(!run.program.frmDisplay().ifLoaded());
    QCOMPARE(main.isVisible(), backToMain);
    QCOMPARE(run.program.frmNagScreen2().ifLoaded()->isVisible(), !backToMain);
}

// Space or Enter on the picture, also when the user went to the menus or to
// another window and came back: the focus is where it was.
void tst_reading::pictureStartsReadingFromKeyboard_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<QString>("awayAndBack");
    QTest::newRow("Space") << Qt::Key_Space << u""_s;
    QTest::newRow("Enter") << Qt::Key_Return << u""_s;
    QTest::newRow("Enter after the menus") << Qt::Key_Return << u"menus"_s;
    QTest::newRow("Enter after another window") << Qt::Key_Return << u"another window"_s;
    QTest::newRow("Enter after the menu bar and another window")
        << Qt::Key_Return << u"menu bar, another window"_s;
}

void tst_reading::pictureStartsReadingFromKeyboard()
{
    QFETCH(Qt::Key, key);
    QFETCH(QString, awayAndBack);
    ProgramRun run;
    run.start();
    auto &main = mainWindow(run);
    QVERIFY(QTest::qWaitForWindowActive(&main));
    QAbstractButton *const picture = child<QAbstractButton>(&main, "picMain");
    picture->setFocus(Qt::TabFocusReason);
    QVERIFY(goAwayAndBack(&main, awayAndBack));
    QTRY_COMPARE(QApplication::focusWidget(), picture);
    run.read(picture, {}, [&] { press(&main, key); });
    QVERIFY(run.program.frmDisplay().ifLoaded());
}

QTEST_MAIN(tst_reading)
#include "tst_reading.moc"

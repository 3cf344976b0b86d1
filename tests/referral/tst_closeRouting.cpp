#include "ProgramRun.h"
#include "reading/frmDisplay.h"
#include "reading/frmMain.h"
#include "referral/frmNagScreen2.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

// Where closing the main and the results window leads: to the farewell window,
// which alone ends the program.
class tst_closeRouting : public QObject {
    Q_OBJECT
private slots:
    void closesLeadToFarewellWindow_data();
    void closesLeadToFarewellWindow();
    void farewellEndsProgramWithMainWindowLoaded_data();
    void farewellEndsProgramWithMainWindowLoaded();
};

namespace {

// The windows after each event: main window, results window, farewell window.
const QMap<QString, QString> stateAfter{
    {u"read"_s, u"main hidden, results visible, farewell hidden"_s},
    {u"read, closing main by its box during the wait"_s,
     u"main unloaded, results unloaded, farewell visible"_s},
    {u"read, choosing main's Exit during the wait"_s,
     u"main unloaded, results unloaded, farewell visible"_s},
    {u"main's close box"_s, u"main unloaded, results unloaded, farewell visible"_s},
    {u"main's Exit entry"_s, u"main unloaded, results unloaded, farewell visible"_s},
    {u"results' close box"_s, u"main hidden, results unloaded, farewell visible"_s},
    {u"results' Exit button"_s, u"main hidden, results unloaded, farewell visible"_s},
    {u"results' Exit entry"_s, u"main hidden, results unloaded, farewell visible"_s},
    {u"results' Esc"_s, u"main hidden, results unloaded, farewell visible"_s},
    {u"Back"_s, u"main visible, results unloaded, farewell hidden"_s},
};

template <class F> QString stateOf(const forms::FormRef<F> &form)
{
    const F *const loaded = form.ifLoaded();
    return !loaded ? u"unloaded"_s : loaded->isVisible() ? u"visible"_s : u"hidden"_s;
}

QString windows(ProgramRun &run)
{
    return u"main "_s + stateOf(run.program.frmMain()) + u", results "_s +
           stateOf(run.program.frmDisplay()) + u", farewell "_s +
           stateOf(run.program.frmNagScreen2());
}

void act(ProgramRun &run, const QString &event)
{
    app::Program &program = run.program;
    reading::frmMain *const main = program.frmMain().ifLoaded();
    reading::frmDisplay *const results = program.frmDisplay().ifLoaded();
    referral::frmNagScreen2 *const farewell = program.frmNagScreen2().ifLoaded();
    if (event == u"read")
        run.read(child<QAbstractButton>(main, "picMain"));
    else if (event == u"read, closing main by its box during the wait")
        run.read(child<QAbstractButton>(main, "picMain"), [main] { main->close(); });
    else if (event == u"read, choosing main's Exit during the wait")
        run.read(child<QAbstractButton>(main, "picMain"),
                 [main] { ProgramRun::choose(main, child<QAction>(main, "mnuExit")); });
    else if (event == u"main's close box")
        main->close();
    else if (event == u"main's Exit entry")
        ProgramRun::choose(main, child<QAction>(main, "mnuExit"));
    else if (event == u"results' close box")
        results->close();
    else if (event == u"results' Exit button")
        QTest::mouseClick(child<QPushButton>(results, "cmdExit"), Qt::LeftButton);
    else if (event == u"results' Exit entry")
        ProgramRun::choose(results, child<QAction>(results, "mnuExit"));
    else if (event == u"results' Esc")
        QTest::keyClick(results, Qt::Key_Escape);
    else if (event == u"Back")
        QTest::mouseClick(child<QPushButton>(results, "cmdOK"), Qt::LeftButton);
    else if (event == u"farewell's close box")
        farewell->close();
    else if (event == u"farewell's Exit button")
        QTest::mouseClick(child<QPushButton>(farewell, "cmdClose"), Qt::LeftButton);
    else if (event == u"farewell's Exit access key")
        QTest::keyClick(farewell, Qt::Key_X, Qt::AltModifier);
    else
        QTest::qFail(qPrintable(u"no event "_s + event), __FILE__, __LINE__);
    // Back in the event loop, unloaded windows go.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

void tst_closeRouting::closesLeadToFarewellWindow_data()
{
    QTest::addColumn<QStringList>("events");
    const auto row = [](const char *name, const QStringList &events) {
        QTest::newRow(name) << events;
    };
    row("main closed by its box", {u"main's close box"_s});
    row("main closed by its Exit entry", {u"main's Exit entry"_s});
    row("main closed by its box during the wait",
        {u"read, closing main by its box during the wait"_s});
    row("main's Exit chosen during the wait", {u"read, choosing main's Exit during the wait"_s});
    row("results closed by their box", {u"read"_s, u"results' close box"_s});
    row("results closed by their Exit button", {u"read"_s, u"results' Exit button"_s});
    row("results closed by their Exit entry", {u"read"_s, u"results' Exit entry"_s});
    row("results closed by Esc", {u"read"_s, u"results' Esc"_s});
    row("Back, then main closed", {u"read"_s, u"Back"_s, u"main's close box"_s});
    row("two Backs, then main closed",
        {u"read"_s, u"Back"_s, u"read"_s, u"Back"_s, u"main's Exit entry"_s});
    row("Back, then results closed", {u"read"_s, u"Back"_s, u"read"_s, u"results' close box"_s});
    row("Back, then main closed during the wait",
        {u"read"_s, u"Back"_s, u"read, closing main by its box during the wait"_s});
}

void tst_closeRouting::closesLeadToFarewellWindow()
{
    QFETCH(QStringList, events);
    ProgramRun run;
    run.start();
    QVERIFY(QTest::qWaitForWindowExposed(run.program.frmMain().ifLoaded()));
    QCOMPARE(windows(run), u"main visible, results unloaded, farewell unloaded"_s);
    QString firstSupportMessage;

    for (const QString &event : std::as_const(events)) {
        act(run, event);
        QVERIFY2(stateAfter.contains(event), qPrintable(event));
        QCOMPARE(windows(run), stateAfter.value(event));
        QVERIFY(run.platform.processExit.statuses.isEmpty());
        referral::frmNagScreen2 *const farewell = run.program.frmNagScreen2().ifLoaded();
        QVERIFY(farewell);
        if (firstSupportMessage.isEmpty()) {
            firstSupportMessage = child<QLabel>(farewell, "Label2")->text();
            // A second load of the farewell window would pick the last message.
            run.platform.random.values = QList<float>(500, 0.9f);
            QVERIFY(!firstSupportMessage.startsWith(
                u"Our site www.velmorasoft.com needs your help!"_s));
        }
        QCOMPARE(child<QLabel>(farewell, "Label2")->text(), firstSupportMessage);
    }
}

void tst_closeRouting::farewellEndsProgramWithMainWindowLoaded_data()
{
    QTest::addColumn<QStringList>("events");
    QTest::newRow("results closed, farewell's close box")
        << QStringList{u"read"_s, u"results' close box"_s, u"farewell's close box"_s};
    QTest::newRow("results closed, farewell's Exit button")
        << QStringList{u"read"_s, u"results' Exit button"_s, u"farewell's Exit button"_s};
    QTest::newRow("main closed, farewell's close box")
        << QStringList{u"main's close box"_s, u"farewell's close box"_s};
    QTest::newRow("main closed, farewell's Exit button")
        << QStringList{u"main's close box"_s, u"farewell's Exit button"_s};
    QTest::newRow("main closed, farewell's Exit access key")
        << QStringList{u"main's close box"_s, u"farewell's Exit access key"_s};
    QTest::newRow("Back, results closed, farewell's close box") << QStringList{
        u"read"_s, u"Back"_s, u"read"_s, u"results' Exit entry"_s, u"farewell's close box"_s};
}

void tst_closeRouting::farewellEndsProgramWithMainWindowLoaded()
{
    QFETCH(QStringList, events);
    ProgramRun run;
    run.start();
    const QString ending = events.takeLast();
    for (const QString &event : std::as_const(events))
        act(run, event);
    referral::frmNagScreen2 *const farewell = run.program.frmNagScreen2().ifLoaded();
    QVERIFY(farewell);
    QVERIFY(farewell->isVisible());
    QCOMPARE(child<QPushButton>(farewell, "cmdClose")->text(), u"E&xit"_s);
    QVERIFY(showActive(farewell));
    const CleanEnd end(run);
    QVERIFY(end.unloads().contains(u"frmNagScreen2"_s));

    act(run, ending);

    // An access key presses its button after the button's short press animation.
    QTRY_VERIFY(!run.platform.processExit.statuses.isEmpty());
    QVERIFY2(end.faults().isEmpty(), qPrintable(end.faults()));
}

QTEST_MAIN(tst_closeRouting)
#include "tst_closeRouting.moc"

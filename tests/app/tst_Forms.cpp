#include "app/Controls.h"
#include "app/EndApplication.h"
#include "app/FormRef.h"
#include "app/FormRegistry.h"
#include "app/frmStartup.h"
#include "ProgramRun.h"
#include "reading/frmDisplay.h"
#include "reading/frmMain.h"

#include <QPixmapCache>
#include <QScreen>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Owner;

// A window that notes when its handlers run.
class TestForm final : public app::Form {
public:
    explicit TestForm(Owner &owner);

    std::function<void(TestForm &)> onUnload;

protected:
    void Form_Load() override;
    void Form_Unload() override;

private:
    Owner &m_owner;
};

struct Owner {
    app::FormRegistry forms;
    QStringList log;
    int created = 0;
    app::FormRef<TestForm> first{*this};
    app::FormRef<TestForm> second{*this};
};

TestForm::TestForm(Owner &owner)
    : Form(owner.forms, u"form%1"_s.arg(++owner.created), QSize(200, 100))
    , m_owner(owner)
{}

void TestForm::Form_Load() { m_owner.log.append(u"load "_s + objectName()); }

void TestForm::Form_Unload()
{
    m_owner.log.append(u"unload "_s + objectName());
    if (onUnload)
        onUnload(*this);
}

void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

} // namespace

// The life every window of the program shares.
class tst_Forms : public QObject {
    Q_OBJECT
private slots:
    void referringLoadsHiddenAndRunsLoadHandlerOnce();
    void loadedWindowsAreListedInLoadOrder();
    void unloadRunsHandlerHidesAndDestroysLater();
    void windowBeingUnloadedIsNotUnloadedTwice();
    void referringAfterUnloadLoadsAFreshWindow();
    void closeBoxUnloads();
    void showModalReturnsOnceUnloaded();
    void firstShowCentresOnScreen();
    void batchShowsItsChangesTogetherAtItsEnd();
    void showingAMinimisedWindowBringsItBack();
    void unloadDropsStyleDrawingsOfTheGoneWindow();
    void endApplicationUnloadsEveryWindowOnceThenExits();
    void endApplicationFromAnUnloadHandlerCarriesOn();
};

void tst_Forms::referringLoadsHiddenAndRunsLoadHandlerOnce()
{
    Owner owner;
    QVERIFY(!owner.first.ifLoaded());
    TestForm &form = *owner.first;
    TestForm &again = *owner.first;
    QCOMPARE(&form, &again);
    QVERIFY(form.isHidden());
    form.show();
    form.hide();
    form.show();
    QCOMPARE(owner.log, QStringList{u"load form1"_s});
    form.Unload();
    flushDeletes();
}

void tst_Forms::loadedWindowsAreListedInLoadOrder()
{
    Owner owner;
    TestForm &second = *owner.second;
    TestForm &first = *owner.first;
    QCOMPARE(owner.forms.loadedForms(), (QList<app::Form *>{&second, &first}));
    second.Unload();
    QCOMPARE(owner.forms.loadedForms(), QList<app::Form *>{&first});
    QCOMPARE(owner.forms.nextToUnload(), &first);
    first.Unload();
    QVERIFY(owner.forms.loadedForms().isEmpty());
    flushDeletes();
}

void tst_Forms::unloadRunsHandlerHidesAndDestroysLater()
{
    Owner owner;
    owner.first->show();
    const QPointer<TestForm> form = &*owner.first;
    form->Unload();
    QCOMPARE(owner.log, (QStringList{u"load form1"_s, u"unload form1"_s}));
    QVERIFY(form);
    QVERIFY(form->isHidden());
    QVERIFY(form->isUnloaded());
    QVERIFY(!owner.first.ifLoaded());
    flushDeletes();
    QVERIFY(!form);
}

void tst_Forms::windowBeingUnloadedIsNotUnloadedTwice()
{
    Owner owner;
    TestForm &form = *owner.first;
    form.onUnload = [](TestForm &self) {
        self.Unload();
        self.close();
    };
    form.Unload();
    form.Unload();
    QCOMPARE(owner.log.count(u"unload form1"_s), 1);
    flushDeletes();
}

void tst_Forms::referringAfterUnloadLoadsAFreshWindow()
{
    Owner owner;
    owner.first->Unload();
    TestForm &fresh = *owner.first;
    QCOMPARE(fresh.objectName(), u"form2"_s);
    QCOMPARE(owner.log.last(), u"load form2"_s);
    fresh.Unload();
    flushDeletes();
}

void tst_Forms::closeBoxUnloads()
{
    Owner owner;
    owner.first->show();
    QVERIFY(QTest::qWaitForWindowExposed(&*owner.first));
    owner.first->close();
    QCOMPARE(owner.log.last(), u"unload form1"_s);
    QVERIFY(!owner.first.ifLoaded());
    flushDeletes();
}

void tst_Forms::showModalReturnsOnceUnloaded()
{
    Owner owner;
    TestForm &form = *owner.first;
    bool modalWhileShown = false;
    QTimer::singleShot(20, [&] {
        modalWhileShown = form.isModal() && form.isVisible();
        form.Unload();
    });
    form.ShowModal();
    QVERIFY(modalWhileShown);
    QCOMPARE(owner.log.last(), u"unload form1"_s);
    flushDeletes();
}

void tst_Forms::firstShowCentresOnScreen()
{
    Owner owner;
    const std::unique_ptr<TestForm> form(&*owner.first);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    const QPoint screenCentre = form->screen()->availableGeometry().center();
    // Within the window frame's margins, which are known only once it is shown.
    QVERIFY((form->frameGeometry().center() - screenCentre).manhattanLength() <= 4);
    QCOMPARE(form->size(), form->minimumSize());
    QCOMPARE(form->size(), form->maximumSize());
}

void tst_Forms::batchShowsItsChangesTogetherAtItsEnd()
{
    Owner owner;
    TestForm &first = *owner.first;
    TestForm &second = *owner.second;
    int firstShows = 0;
    struct ShowCounter : QObject {
        int &count;
        explicit ShowCounter(int &count)
            : count(count)
        {}
        bool eventFilter(QObject *, QEvent *event) override
        {
            count += event->type() == QEvent::Show;
            return false;
        }
    } counter(firstShows);
    first.installEventFilter(&counter);
    {
        const app::FormRegistry::VisibilityBatch outer(owner.forms);
        {
            const app::FormRegistry::VisibilityBatch inner(owner.forms);
            first.show();
            second.show();
        }
        QVERIFY(second.isHidden());
        first.hide();
        QVERIFY(second.isHidden());
    }
    QCOMPARE(firstShows, 0);
    QVERIFY(first.isHidden());
    QVERIFY(second.isVisible());
    // Outside a batch, showing takes effect at once.
    first.show();
    QCOMPARE(firstShows, 1);
    first.Unload();
    second.Unload();
    flushDeletes();
}

void tst_Forms::showingAMinimisedWindowBringsItBack()
{
    Owner owner;
    TestForm &form = *owner.first;
    form.showMinimized();
    form.hide();
    form.show();
    QVERIFY(!form.isMinimized());
    form.Unload();
    flushDeletes();
}

// Every results window has colours of its own, so the style's cached drawings
// of its controls are never used again once it is gone: fifty readings grew
// the program by more than a megabyte before unloading dropped them.
void tst_Forms::unloadDropsStyleDrawingsOfTheGoneWindow()
{
    Owner owner;
    QPixmap drawing(40, 20);
    drawing.fill(Qt::gray);
    const QString key = u"button drawn for a gone window"_s;
    QPixmapCache::insert(key, drawing);
    owner.first->Unload();
    QPixmap found;
    QVERIFY(!QPixmapCache::find(key, &found));
    flushDeletes();
}

void tst_Forms::endApplicationUnloadsEveryWindowOnceThenExits()
{
    ProgramRun run;
    run.start();
    run.read(run.program.frmMain->picMain);
    const QList<app::Form *> loaded = run.program.forms.loadedForms();
    QCOMPARE(loaded.size(), 4); // host, main, results, farewell
    QMap<QString, int> unloads;
    for (app::Form *form : loaded)
        connect(form, &app::Form::unloaded,
                [&unloads, name = form->objectName()] { ++unloads[name]; });
    modHelp::EndApplication(run.program);
    QCOMPARE(unloads.keys(),
             (QStringList{u"frmDisplay"_s, u"frmMain"_s, u"frmNagScreen2"_s, u"frmStartup"_s}));
    for (int count : unloads)
        QCOMPARE(count, 1);
    QVERIFY(run.program.forms.loadedForms().isEmpty());
    QVERIFY(!run.platform.processExit.statuses.isEmpty());
    QVERIFY(run.platform.processExit.statuses.count(0) == run.platform.processExit.statuses.size());
    for (QWidget *window : QApplication::topLevelWidgets())
        QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
}

// The host's unload handler ends the program itself, in the middle of the
// outer EndApplication.
void tst_Forms::endApplicationFromAnUnloadHandlerCarriesOn()
{
    ProgramRun run;
    run.start();
    QStringList order;
    for (app::Form *form : run.program.forms.loadedForms())
        connect(form, &app::Form::unloaded,
                [&order, name = form->objectName()] { order.append(name); });
    run.program.frmStartup->Unload();
    // Closing the main window on the way brings the farewell window, which is
    // unloaded in its turn.
    QCOMPARE(order, (QStringList{u"frmMain"_s, u"frmStartup"_s}));
    QVERIFY(run.program.forms.loadedForms().isEmpty());
    QVERIFY(!run.platform.processExit.statuses.isEmpty());
}

QTEST_MAIN(tst_Forms)
#include "tst_Forms.moc"

#include "forms/Controls.h"
#include "forms/Form.h"
#include "ProgramRun.h"

#include <QScreen>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Owner;

// A window that notes when its handlers run.
class TestForm final : public forms::Form {
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
    QStringList log;
    int created = 0;
    forms::FormRef<TestForm> first{[this] { return new TestForm(*this); }};
    forms::FormRef<TestForm> second{[this] { return new TestForm(*this); }};
};

TestForm::TestForm(Owner &owner)
    : Form(u"form%1"_s.arg(++owner.created), QSize(200, 100))
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

QAbstractButton *newClickable(const QString &kind, QWidget *container)
{
    if (kind == u"link") {
        auto *const link = new forms::LinkLabel(u"link"_s, container);
        link->setText(u"Click here for more details."_s);
        return link;
    }
    if (kind == u"picture button")
        return new forms::PictureButton(u"picture"_s, u"sticks"_s, container);
    auto *const box = new forms::CheckBox(u"box"_s, container);
    box->setText(u"Tell a friend"_s);
    return box;
}

} // namespace

// The life every window of the program shares.
class tst_Forms : public QObject {
    Q_OBJECT
private slots:
    void referringLoadsHiddenAndRunsLoadHandlerOnce();
    void unloadRunsHandlerHidesAndDestroysLater();
    void windowBeingUnloadedIsNotUnloadedTwice();
    void referringAfterUnloadLoadsAFreshWindow();
    void closeBoxUnloads();
    void dialogBelongsToItsOpenerAndHandsTheKeyboardBack();
    void firstShowCentresOnScreen();
    void changeOfScreenHidesFirstAndTheWindowShownLastIsActive();
    void showingAMinimisedWindowBringsItBack();
    void clickIsALeftPressAndReleaseOnAnEnabledControl_data();
    void clickIsALeftPressAndReleaseOnAnEnabledControl();
};

void tst_Forms::referringLoadsHiddenAndRunsLoadHandlerOnce()
{
    Owner owner;
    QVERIFY(!owner.first.ifLoaded());
    TestForm &form = owner.first.load();
    TestForm &again = owner.first.load();
    QCOMPARE(&form, &again);
    QVERIFY(form.isHidden());
    form.show();
    form.hide();
    form.show();
    QCOMPARE(owner.log, QStringList{u"load form1"_s});
    form.Unload();
    flushDeletes();
}

// The window leaves the loaded windows as its unload begins.
void tst_Forms::unloadRunsHandlerHidesAndDestroysLater()
{
    Owner owner;
    owner.first.load().show();
    const QPointer<TestForm> form = &owner.first.load();
    TestForm &other = owner.second.load();
    QCOMPARE(forms::loadedForms().size(), 2);
    QList<forms::Form *> loadedWhileUnloading;
    form->onUnload = [&](TestForm &) { loadedWhileUnloading = forms::loadedForms(); };
    form->Unload();
    QCOMPARE(owner.log, (QStringList{u"load form1"_s, u"load form2"_s, u"unload form1"_s}));
    QVERIFY(form);
    QVERIFY(form->isHidden());
    QVERIFY(form->isUnloaded());
    QVERIFY(!owner.first.ifLoaded());
    QCOMPARE(loadedWhileUnloading, QList<forms::Form *>{&other});
    QCOMPARE(forms::nextToUnload(), &other);
    other.Unload();
    QVERIFY(!forms::nextToUnload());
    flushDeletes();
    QVERIFY(!form);
}

void tst_Forms::windowBeingUnloadedIsNotUnloadedTwice()
{
    Owner owner;
    TestForm &form = owner.first.load();
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
    owner.first.load().Unload();
    TestForm &fresh = owner.first.load();
    QCOMPARE(fresh.objectName(), u"form2"_s);
    QCOMPARE(owner.log.last(), u"load form2"_s);
    fresh.Unload();
    flushDeletes();
}

void tst_Forms::closeBoxUnloads()
{
    Owner owner;
    owner.first.load().show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner.first.load()));
    owner.first.load().close();
    QCOMPARE(owner.log.last(), u"unload form1"_s);
    QVERIFY(!owner.first.ifLoaded());
    flushDeletes();
}

// Modal to its opener, owned by it, over its middle, back at once when minimised, and gone
// with Esc, which hands the keyboard back to the opener.
void tst_Forms::dialogBelongsToItsOpenerAndHandsTheKeyboardBack()
{
    Owner owner;
    TestForm &opener = owner.first.load();
    opener.show();
    QVERIFY(QTest::qWaitForWindowActive(&opener));
    const QPointer<forms::Dialog> dialog = new forms::Dialog(u"dialog"_s, QSize(100, 50), &opener);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    QVERIFY(dialog->isModal());
    QCOMPARE(QApplication::activeModalWidget(), dialog.data());
    QCOMPARE(dialog->windowHandle()->transientParent(), opener.windowHandle());
    QCOMPARE(dialog->size(), QSize(100, 50));
    QVERIFY(
        (dialog->frameGeometry().center() - opener.frameGeometry().center()).manhattanLength() <=
        1);
    dialog->showMinimized();
    QTRY_VERIFY(!dialog->isMinimized());
    QTest::keyClick(dialog, Qt::Key_Escape);
    QVERIFY(dialog->isHidden());
    QVERIFY(QTest::qWaitForWindowActive(&opener));
    flushDeletes();
    QVERIFY(!dialog);
    opener.Unload();
    flushDeletes();
}

void tst_Forms::firstShowCentresOnScreen()
{
    Owner owner;
    const std::unique_ptr<TestForm> form(&owner.first.load());
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    const QPoint screenCentre = form->screen()->availableGeometry().center();
    // Within the window frame's margins, which are known only once it is shown.
    QVERIFY((form->frameGeometry().center() - screenCentre).manhattanLength() <= 4);
    QCOMPARE(form->size(), form->minimumSize());
    QCOMPARE(form->size(), form->maximumSize());
}

void tst_Forms::changeOfScreenHidesFirstAndTheWindowShownLastIsActive()
{
    Owner owner;
    TestForm &first = owner.first.load();
    TestForm &second = owner.second.load();
    first.show();
    QStringList order;
    struct Recorder : QObject {
        QStringList &order;
        explicit Recorder(QStringList &order)
            : order(order)
        {}
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            if (event->type() == QEvent::Show || event->type() == QEvent::Hide)
                order << watched->objectName() +
                             (event->type() == QEvent::Show ? u" shown"_s : u" hidden"_s);
            return false;
        }
    } recorder(order);
    first.installEventFilter(&recorder);
    second.installEventFilter(&recorder);
    forms::changeScreen({&first, nullptr}, {nullptr, &second});
    QCOMPARE(order, (QStringList{u"form1 hidden"_s, u"form2 shown"_s}));
    QVERIFY(QTest::qWaitForWindowActive(&second));
    first.Unload();
    second.Unload();
    flushDeletes();
}

void tst_Forms::showingAMinimisedWindowBringsItBack()
{
    Owner owner;
    TestForm &form = owner.first.load();
    form.showMinimized();
    form.hide();
    form.show();
    QVERIFY(!form.isMinimized());
    form.Unload();
    flushDeletes();
}

void tst_Forms::clickIsALeftPressAndReleaseOnAnEnabledControl_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("pressedOnIt");
    QTest::addColumn<bool>("releasedOnIt");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("clicks");
    for (const char *kind : {"link", "picture button", "check box"}) {
        const auto row = [kind](const char *how) -> QTestData & {
            return QTest::addRow("%s, %s", kind, how) << QString::fromLatin1(kind);
        };
        row("pressed and released on it") << true << true << Qt::LeftButton << true << 1;
        row("released off it") << true << false << Qt::LeftButton << true << 0;
        row("pressed off it") << false << true << Qt::LeftButton << true << 0;
        row("right button") << true << true << Qt::RightButton << true << 0;
        row("disabled") << true << true << Qt::LeftButton << false << 0;
    }
}

// The kit's controls that are clicked click as Qt's buttons do: the left
// button pressed and released on the control, a check box anywhere in its box.
void tst_Forms::clickIsALeftPressAndReleaseOnAnEnabledControl()
{
    QFETCH(QString, kind);
    QFETCH(bool, pressedOnIt);
    QFETCH(bool, releasedOnIt);
    QFETCH(Qt::MouseButton, button);
    QFETCH(bool, enabled);
    QFETCH(int, clicks);
    QWidget window;
    window.resize(300, 100);
    QAbstractButton *const control = newClickable(kind, &window);
    control->setGeometry(10, 10, 200, 40);
    control->setEnabled(enabled);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    int clicked = 0;
    connect(control, &QAbstractButton::clicked, &window, [&clicked] { ++clicked; });
    // The corner of the box, well away from a check box's mark and caption.
    const QPoint on(control->width() - 3, control->height() - 3);
    const QPoint off(control->width() + 20, on.y());
    QTest::mousePress(control, button, {}, pressedOnIt ? on : off);
    QTest::mouseMove(control, releasedOnIt ? on : off);
    QTest::mouseRelease(control, button, {}, releasedOnIt ? on : off);
    QCOMPARE(clicked, clicks);
}

QTEST_MAIN(tst_Forms)
#include "tst_Forms.moc"

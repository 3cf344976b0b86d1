#include "AccessibilityEvents.h"
#include "forms/Accessibility.h"
#include "forms/Controls.h"
#include "forms/Form.h"
#include "ProgramRun.h"

#include <QTest>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

// A window with a region that it reads out as it comes into view: a band
// "Tidings" that shows "Good news", a band "Number" that shows "7", and a
// label that is hidden; and an OK button, which has the focus.
class Window final : public forms::Form {
public:
    Window()
        : Form(u"window"_s, QSize(300, 200))
        , tidings(new forms::Band(u"tidings"_s, client()))
        , news(forms::newLabel(u"news"_s, tidings))
        , number(new forms::Band(u"number"_s, tidings))
        , ok(forms::newButton(u"ok"_s, u"OK"_s, client()))
    {
        tidings->setGeometry(0, 0, 300, 150);
        tidings->setAccessibleName(u"Tidings"_s);
        forms::announceWhenShown(tidings);
        news->setText(u"Good news"_s);
        news->setGeometry(10, 10, 200, 20);
        number->setAccessibleName(u"Number"_s);
        number->setGeometry(10, 40, 100, 50);
        forms::newLabel(u"seven"_s, number)->setText(u"7"_s);
        auto *const hidden = forms::newLabel(u"hidden"_s, tidings);
        hidden->setText(u"Not shown"_s);
        hidden->hide();
        ok->setGeometry(10, 160, 80, 30);
        ok->setFocus();
    }

    forms::Band *const tidings;
    QLabel *const news;
    forms::Band *const number;
    QPushButton *const ok;
};

// A window loaded as the program loads its windows, and gone with this.
struct Loaded {
    forms::FormRef<Window> ref{[] { return new Window; }};
    Window &window = ref.load();

    ~Loaded()
    {
        window.Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

const QString Read = u"announce Tidings. Good news. Number 7"_s;

void appear(QWidget *window)
{
    if (!showActive(window))
        return QTest::qFail(qPrintable(window->objectName() + u" did not become active"_s),
                            __FILE__, __LINE__);
    QCoreApplication::processEvents();
}

} // namespace

// What the kit tells screen readers of its windows.
class tst_FormsAccessibility : public QObject {
    Q_OBJECT
private slots:
    void windowsTellScreenReaders_data();
    void windowsTellScreenReaders();
    void bandIsAGroupOrAPane_data();
    void bandIsAGroupOrAPane();
    void controlsOfAWindowThatWaitedHiddenAreMetAfresh_data();
    void controlsOfAWindowThatWaitedHiddenAreMetAfresh();
};

void tst_FormsAccessibility::windowsTellScreenReaders_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QStringList>("told");
    // Once the window is active and its focus told, so that nothing cuts it short.
    QTest::newRow("window appears with the region showing")
        << u"show window"_s << QStringList{u"focus OK"_s, Read};
    QTest::newRow("window appears with the region hidden")
        << u"show window, region hidden"_s << QStringList{u"focus OK"_s};
    QTest::newRow("region shown in the active window") << u"show region"_s << QStringList{Read};
    QTest::newRow("region shown while another window is active")
        << u"show region behind another window"_s << QStringList{};
    QTest::newRow("a showing label's text changes")
        << u"change text"_s << QStringList{u"name Better news"_s};
}

void tst_FormsAccessibility::windowsTellScreenReaders()
{
    QFETCH(QString, action);
    QFETCH(QStringList, told);
    Loaded loaded;
    Window &window = loaded.window;
    QWidget other;
    AccessibilityEvents events;
    if (action == u"show window" || action == u"show window, region hidden") {
        window.tidings->setVisible(action == u"show window");
        events.clear();
        appear(&window);
    } else {
        window.tidings->setVisible(action == u"change text");
        appear(&window);
        if (action == u"show region behind another window")
            appear(&other);
        events.clear();
        if (action == u"change text")
            window.news->setText(u"Better news"_s);
        else
            window.tidings->show();
        QCoreApplication::processEvents();
    }
    QCOMPARE(events.told(), told);
}

void tst_FormsAccessibility::bandIsAGroupOrAPane_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QAccessible::Role>("role");
    QTest::newRow("named") << u"Tidings"_s << QAccessible::Grouping;
    QTest::newRow("unnamed") << QString() << QAccessible::Pane;
}

void tst_FormsAccessibility::bandIsAGroupOrAPane()
{
    QFETCH(QString, name);
    QFETCH(QAccessible::Role, role);
    Loaded loaded;
    loaded.window.tidings->setAccessibleName(name);
    QAccessibleInterface *const face = QAccessible::queryAccessibleInterface(loaded.window.tidings);
    QVERIFY(face);
    QCOMPARE(face->role(), role);
    QCOMPARE(face->text(QAccessible::Name), name);
}

void tst_FormsAccessibility::controlsOfAWindowThatWaitedHiddenAreMetAfresh_data()
{
    QTest::addColumn<bool>("waitsHidden");
    QTest::newRow("loaded, then shown once the event loop has run") << true;
    QTest::newRow("shown as it is loaded") << false;
}

// Orca keeps what it saw of a window that waited hidden, controls that are not
// showing, unless it meets them afresh once the window is shown.
void tst_FormsAccessibility::controlsOfAWindowThatWaitedHiddenAreMetAfresh()
{
    QFETCH(bool, waitsHidden);
    AccessibilityEvents events;
    Loaded loaded;
    const QAccessible::Id before =
        QAccessible::uniqueId(QAccessible::queryAccessibleInterface(loaded.window.ok));
    if (waitsHidden)
        QCoreApplication::processEvents();
    events.clear();
    appear(&loaded.window);
    const QAccessible::Id after =
        QAccessible::uniqueId(QAccessible::queryAccessibleInterface(loaded.window.ok));
    QCOMPARE(after != before, waitsHidden);
    // And screen readers are told of the new one.
    const QList<AccessibilityEvents::Event> &told = events.events();
    QCOMPARE(std::any_of(told.begin(), told.end(),
                         [](const AccessibilityEvents::Event &event) {
                             return event.type == QAccessible::ObjectCreated &&
                                    event.object == u"ok";
                         }),
             waitsHidden);
}

QTEST_MAIN(tst_FormsAccessibility)
#include "tst_FormsAccessibility.moc"

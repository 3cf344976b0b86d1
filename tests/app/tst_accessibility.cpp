#include "AccessibilityEvents.h"
#include "links/frmAbout.h"
#include "ProgramRun.h"
#include "reading/frmDisplay.h"
#include "reading/frmMain.h"
#include "referral/frmNagScreen2.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QDialog>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

QString accessibleText(QWidget *widget, QAccessible::Text what)
{
    QAccessibleInterface *const face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(what) : QString();
}

bool acts(QWidget *widget)
{
    return qobject_cast<QAbstractButton *>(widget) || qobject_cast<forms::LinkLabel *>(widget);
}

// A caption as it is shown: the marks of its access key gone.
QString shown(QString caption)
{
    caption.replace(u"&&"_s, QChar(1));
    caption.remove(u'&');
    caption.replace(QChar(1), u'&');
    return caption.simplified();
}

// The text a control shows of itself: a label's text, a button's caption, a
// group box's title.
QString shownText(QWidget *control)
{
    if (auto *const label = qobject_cast<QLabel *>(control))
        return label->text().simplified();
    if (auto *const button = qobject_cast<QAbstractButton *>(control))
        return shown(button->text());
    if (auto *const box = qobject_cast<QGroupBox *>(control))
        return shown(box->title());
    return {};
}

// The controls of a window that a screen reader cannot name, whose name
// leaves out what they show, that act without saying what they do, or that
// it would take for a window inside the window; and the window itself, unless
// it is presented as a window, with its title.
QStringList unnamedControls(QWidget *window, int &checked)
{
    QStringList faults;
    QAccessibleInterface *const self = QAccessible::queryAccessibleInterface(window);
    const auto role = qobject_cast<QDialog *>(window) ? QAccessible::Dialog : QAccessible::Window;
    if (self->role() != role || self->text(QAccessible::Name) != u"LV Sortilo v1.0")
        faults.append(u"%1 is presented as \"%2\", role %3"_s
                          .arg(window->objectName(), self->text(QAccessible::Name))
                          .arg(self->role()));
    for (QWidget *control : window->findChildren<QWidget *>()) {
        if (control->objectName().isEmpty() || control->objectName().startsWith(u"qt_"))
            continue;
        if (!qobject_cast<QLabel *>(control) && !qobject_cast<QFrame *>(control) &&
            !qobject_cast<QAbstractButton *>(control) && !qobject_cast<QLineEdit *>(control))
            continue;
        ++checked;
        const QString name = accessibleText(control, QAccessible::Name);
        // A band that holds buttons goes unnamed: a screen reader would say
        // its name before the button that has the focus.
        const bool holdsButtons = qobject_cast<forms::Band *>(control) &&
                                  !control->findChildren<QPushButton *>().isEmpty();
        if (name.isEmpty() != holdsButtons)
            faults.append(control->objectName() +
                          (holdsButtons ? u" is named"_s : u" has no name"_s));
        if (!name.simplified().contains(shownText(control)))
            faults.append(control->objectName() + u" shows \""_s + shownText(control) +
                          u"\" but is named \""_s + name + u'"');
        if (acts(control) && accessibleText(control, QAccessible::Description).isEmpty())
            faults.append(control->objectName() + u" does not say what it does"_s);
        const QAccessible::Role role = QAccessible::queryAccessibleInterface(control)->role();
        if (role == QAccessible::Window || role == QAccessible::Border)
            faults.append(control->objectName() + u" is presented as a window of its own"_s);
    }
    // The entries of the menu bar and of its menus.
    for (QWidget *menus : window->findChildren<QWidget *>()) {
        if (!qobject_cast<QMenuBar *>(menus) && !qobject_cast<QMenu *>(menus))
            continue;
        QAccessibleInterface *const face = QAccessible::queryAccessibleInterface(menus);
        const QList<QAction *> entries = menus->actions();
        for (int i = 0; i < entries.size(); ++i) {
            if (entries[i]->isSeparator())
                continue;
            ++checked;
            const QString name =
                face->child(i) ? face->child(i)->text(QAccessible::Name) : QString();
            if (!name.contains(shown(entries[i]->text())))
                faults.append(entries[i]->objectName() + u" shows \""_s +
                              shown(entries[i]->text()) + u"\" but is named \""_s + name + u'"');
        }
    }
    return faults;
}

} // namespace

class tst_accessibility : public QObject {
    Q_OBJECT
private slots:
    void everyControlIsNamedAfterWhatItShows_data();
    void everyControlIsNamedAfterWhatItShows();
    void ctrlCCopiesTheReading_data();
    void ctrlCCopiesTheReading();
    void screenReadersHearEachWindowUnasked_data();
    void screenReadersHearEachWindowUnasked();
};

void tst_accessibility::everyControlIsNamedAfterWhatItShows_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : Languages)
        QTest::newRow(qPrintable(language)) << language;
}

// In every window and every language: named, with what it shows in its name;
// saying what it does if it acts; and not taken for a window of its own.
void tst_accessibility::everyControlIsNamedAfterWhatItShows()
{
    QFETCH(QString, language);
    const SpokenLanguage spoken(language);
    ProgramRun run;
    const QList<QWidget *> windows{run.window(u"frmDisplay"_s), &run.program.frmMain().load(),
                                   run.window(u"frmAbout"_s), &run.program.frmNagScreen2().load()};
    QStringList faults;
    int checked = 0;
    // As a screen reader meets them: shown. Qt 6.11 names a window that has
    // not been shown yet with nothing.
    for (QWidget *window : windows) {
        window->show();
        faults += unnamedControls(window, checked);
    }
    QVERIFY(checked >= 50);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u"; "_s)));
}

void tst_accessibility::ctrlCCopiesTheReading_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("copied");
    QTest::newRow("English") << u"English"_s << u"Stick 1: You will hear some good news soon."_s;
    QTest::newRow("zh_TW") << u"zh_TW"_s << u"第 1 籤：近日將有佳音傳來。"_s;
    QTest::newRow("zh_CN") << u"zh_CN"_s << u"第 1 签：近日将有好消息传来。"_s;
}

// In the language shown.
void tst_accessibility::ctrlCCopiesTheReading()
{
    QFETCH(QString, language);
    QFETCH(QString, copied);
    const SpokenLanguage spoken(language);
    ProgramRun run;
    run.platform.random.values = {0.0f};
    QWidget *const display = run.window(u"frmDisplay"_s);
    QVERIFY(display);
    QVERIFY(QTest::qWaitForWindowActive(display));
    QTest::keyClick(child<QPushButton>(display, "cmdOK"), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(run.platform.clipboard.text, copied);
    QVERIFY(display->isVisible());
}

namespace {

// Does as a user does, and waits for the window that it brings up to be the
// active one and to have said what it says as it appears.
void act(ProgramRun &run, const QString &step)
{
    QWidget *window = nullptr;
    if (step == u"start") {
        run.start();
        window = run.program.frmMain().ifLoaded();
    } else if (step == u"read") {
        run.read(child<QAbstractButton>(run.program.frmMain().ifLoaded(), "picMain"));
        window = run.program.frmDisplay().ifLoaded();
    } else if (step == u"Back" || step == u"Exit") {
        child<QPushButton>(run.program.frmDisplay().ifLoaded(),
                           step == u"Back" ? "cmdOK" : "cmdExit")
            ->click();
        window = step == u"Back" ? static_cast<QWidget *>(run.program.frmMain().ifLoaded())
                                 : run.program.frmNagScreen2().ifLoaded();
    }
    if (!window || !QTest::qWaitForWindowActive(window))
        return QTest::qFail(qPrintable(step + u" did not bring up its window"_s), __FILE__,
                            __LINE__);
    QCoreApplication::processEvents();
}

QString resultsRead(int stick)
{
    return u"announce LV Sortilo Results. Stick number %1. More About The Sortilo Number. "_s.arg(
               stick) +
           tabledFortune(stick);
}

} // namespace

void tst_accessibility::screenReadersHearEachWindowUnasked_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("step");
    QTest::addColumn<QStringList>("told");
    const QString picture = u"focus Bamboo fortune sticks"_s;
    const QString wait = u"announce Please Wait"_s;
    QTest::newRow("the main window at start")
        << QStringList{} << u"start"_s << QStringList{picture};
    QTest::newRow("a reading") << QStringList{u"start"_s} << u"read"_s
                               << QStringList{wait, u"focus Back"_s, resultsRead(40)};
    QTest::newRow("Back to the main window")
        << QStringList{u"start"_s, u"read"_s} << u"Back"_s << QStringList{picture};
    QTest::newRow("another reading after Back")
        << QStringList{u"start"_s, u"read"_s, u"Back"_s} << u"read"_s
        << QStringList{wait, u"focus Back"_s, resultsRead(1)};
    QTest::newRow("Exit to the farewell window")
        << QStringList{u"start"_s, u"read"_s} << u"Exit"_s
        << QStringList{u"focus Exit"_s,
                       u"announce Programs like this one live on their users' support. The best "
                       "support for Velmora Softwares is to visit its discussion board at "
                       "www.velmorasoft.com regularly and take part in its discussions and other "
                       "activities."_s};
}

// What a blind user hears as each window comes up, in order: its focus, then
// what it is for, read out unasked; "Please Wait" as the reading starts. The
// results are read in the window's reading order: the stick number, then its
// sentence.
void tst_accessibility::screenReadersHearEachWindowUnasked()
{
    QFETCH(QStringList, before);
    QFETCH(QString, step);
    QFETCH(QStringList, told);
    ProgramRun run;
    // Stick 40, the first word of support, then stick 1.
    run.platform.random.values = {0.5f, 0.0f, 0.0f};
    AccessibilityEvents events;
    for (const QString &done : std::as_const(before))
        act(run, done);
    events.clear();
    act(run, step);
    QCOMPARE(events.told(), told);
}

QTEST_MAIN(tst_accessibility)
#include "tst_accessibility.moc"

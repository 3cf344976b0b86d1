#pragma once

#include "app/Program.h"
#include "FakePlatform.h"
#include "forms/Controls.h"

#include <QAction>
#include <QApplication>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

#include <type_traits>

#include <chrono>
#include <functional>

// A run of the whole program on fake platform services.
struct ProgramRun {
    fake::Platform platform;
    app::Program program{platform.services()};
    QObject timers; // what the run has waiting goes with it

    ~ProgramRun();

    void start() { program.start(); }

    // Starts a reading with `start`, or else a click on the picture; runs
    // `during` while the wait is on, then lets the time run out; and fails the
    // test if the results come before the three seconds are up, or the wait
    // goes on after them.
    void read(QWidget *picture, const std::function<void()> &during = {},
              const std::function<void()> &start = {});

    // Starts the program and brings up the named window as a user meets it:
    // the results window after a reading, the others loaded.
    QWidget *window(const QString &name);

    // Chooses a menu entry as a user does with the keyboard: Alt and the menu's
    // access key, then the entry's. A top-level entry is chosen with Alt alone.
    static void choose(QWidget *window, QAction *entry);
};

// The program speaks a language while this lives: "zh_TW", "zh_HK", "zh_CN",
// or "English", which it speaks again afterwards.
class SpokenLanguage {
public:
    explicit SpokenLanguage(const QString &name);
    ~SpokenLanguage();
    SpokenLanguage(const SpokenLanguage &) = delete;
    SpokenLanguage &operator=(const SpokenLanguage &) = delete;
};

// The languages the program speaks, by the names SpokenLanguage takes.
inline const QStringList Languages{QStringLiteral("English"), QStringLiteral("zh_TW"),
                                   QStringLiteral("zh_HK"), QStringLiteral("zh_CN")};

// Shows the window and makes it the active one, as a user does by clicking it.
inline bool showActive(QWidget *window)
{
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

// Notes the name of every window that appears while this lives, however briefly.
class ShownWindows : public QObject {
public:
    ShownWindows() { qApp->installEventFilter(this); }
    QStringList names;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// Watches the end of a run: made while windows are loaded, it then tells what
// went wrong, if anything did. A clean end exits with status 0, shows no
// window on the way, and unloads every window that was loaded exactly once,
// leaving none loaded or on screen.
class CleanEnd {
public:
    explicit CleanEnd(ProgramRun &run);
    QString faults() const;
    const QMap<QString, int> &unloads() const { return m_unloads; }

private:
    ProgramRun &m_run;
    QMap<QString, int> m_unloads;
    ShownWindows m_shown;
};

// Where the controls that a test looks for in vain are made, hidden.
QWidget &missingControls();

// Controls are found by the names the program gives them. A control that is
// missing fails the test that looks for it, which goes on with a stand-in, a
// hidden control of the same kind, so that the other tests still run.
template <class T> T *child(QObject *parent, const char *name)
{
    if (T *const found = parent->findChild<T *>(QString::fromLatin1(name)))
        return found;
    QTest::qFail(qPrintable(QStringLiteral("no control named %1").arg(QLatin1StringView(name))),
                 __FILE__, __LINE__);
    // A button of any kind stands in for the abstract one.
    using StandIn = std::conditional_t<std::is_abstract_v<T>, QPushButton, T>;
    if constexpr (std::is_constructible_v<StandIn, QWidget *>)
        return new StandIn(&missingControls());
    else // the kit's controls, made with a name
        return new StandIn(QString(), &missingControls());
}

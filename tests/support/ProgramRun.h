#pragma once

#include "app/Controls.h"
#include "app/Program.h"
#include "FakePlatform.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <functional>

// A run of the whole program on fake platform services, started as the real
// program starts: through its start-up host.
struct ProgramRun {
    fake::Platform platform;
    app::Program program{platform.services()};

    ~ProgramRun();

    void start() { program.start(); }

    // Runs `during` while the reading's wait is on, then lets the time run out.
    void read(QWidget *picture, const std::function<void()> &during = {});

    // Chooses a menu entry as a user does with the keyboard: Alt and the menu's
    // access key, then the entry's. A top-level entry is chosen with Alt alone.
    static void choose(QWidget *window, QAction *entry);
};

// Whether any window of the program is on screen.
bool anyWindowVisible();

// Controls are found by the names the program gives them.
template <class T> T *child(QObject *parent, const char *name)
{
    T *const found = parent->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control named %s", name);
    return found;
}

#include "Program.h"

#include "EndApplication.h"
#include "frmStartup.h"
#include "links/frmAbout.h"
#include "reading/frmDisplay.h"
#include "reading/frmMain.h"
#include "referral/frmNagScreen2.h"
#include "RemindToUpdate.h"

#include <QPointer>

namespace app {

Program::Program(const platform::Services &services, UpdateReminder updateReminder)
    : m_services(services)
    , m_updateReminder(updateReminder)
    , m_fortunes(services.random)
    , m_windows{forms::FormRef<app::frmStartup>([this] { return newStartup(); }),
                forms::FormRef<reading::frmMain>([this] { return newMain(); }),
                forms::FormRef<reading::frmDisplay>([this] { return newDisplay(); }),
                forms::FormRef<referral::frmNagScreen2>([this] { return newNagScreen(); })}
{}

// A run normally ends in EndApplication; this is for runs that end otherwise,
// as in tests.
Program::~Program() { qDeleteAll(m_forms.loadedForms()); }

void Program::start() { m_windows.frmStartup.load(); }

void Program::remindToUpdate()
{
    if (m_updateReminder == UpdateReminder::On)
        modHelp::RemindToUpdate(m_services);
}

void Program::end() { modHelp::EndApplication(m_forms, m_services.processExit); }

app::frmStartup *Program::newStartup()
{
    auto *const window = new app::frmStartup(m_forms, m_services.instanceLock, m_services.messages,
                                             m_services.random);
    QObject::connect(window, &app::frmStartup::started, window, [this] {
        remindToUpdate();
        m_windows.frmMain.load().show();
    });
    QObject::connect(window, &app::frmStartup::ending, window, [this] { end(); });
    return window;
}

reading::frmMain *Program::newMain()
{
    auto *const window =
        new reading::frmMain(m_forms, m_services.browser, m_services.clock, m_fortunes);
    QObject::connect(window, &reading::frmMain::updateCheckDue, window,
                     [this] { remindToUpdate(); });
    QObject::connect(
        window, &reading::frmMain::readingDrawn, window,
        [this](int stick, const QString &sentence) { ShowReading(m_windows, stick, sentence); });
    QObject::connect(window, &reading::ReadingWindow::aboutRequested, window,
                     [this, window] { showAbout(window); });
    QObject::connect(window, &reading::ReadingWindow::closing, window,
                     [this] { RouteToFarewell(m_windows); });
    return window;
}

reading::frmDisplay *Program::newDisplay()
{
    auto *const window = new reading::frmDisplay(m_forms, m_services.browser, m_services.clipboard);
    QObject::connect(window, &reading::frmDisplay::backRequested, window,
                     [this] { GoBack(m_windows); });
    QObject::connect(window, &reading::ReadingWindow::aboutRequested, window,
                     [this, window] { showAbout(window); });
    QObject::connect(window, &reading::ReadingWindow::closing, window,
                     [this] { RouteToFarewell(m_windows); });
    return window;
}

void Program::showAbout(QWidget *opener)
{
    // Whatever the window it was opened from was doing, such as the wait for
    // a reading, waits until the about window is closed.
    const QPointer<links::frmAbout> about = new links::frmAbout(m_services.browser, opener);
    about->exec();
    if (about)
        forms::discardWindow(about);
}

referral::frmNagScreen2 *Program::newNagScreen()
{
    auto *const window = new referral::frmNagScreen2(
        m_forms, m_services.browser, m_services.messages, m_services.random, m_referral);
    QObject::connect(window, &referral::frmNagScreen2::endRequested, window, [this] { end(); });
    return window;
}

} // namespace app

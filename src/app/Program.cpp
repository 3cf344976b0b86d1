#include "Program.h"

#include "EndApplication.h"
#include "frmStartup.h"
#include "links/frmAbout.h"
#include "reading/frmDisplay.h"
#include "reading/frmMain.h"
#include "referral/frmNagScreen2.h"
#include "RemindToUpdate.h"
#include "WindowSwitching.h"

#include <QPointer>

namespace app {

Program::Program(const platform::Services &services, UpdateReminder updateReminder)
    : services(services)
    , fortunes(services.random)
    , frmStartup([this] { return newStartup(); })
    , frmMain([this] { return newMain(); })
    , frmDisplay([this] { return newDisplay(); })
    , frmNagScreen2([this] { return newNagScreen(); })
    , m_updateReminder(updateReminder)
{}

// A run normally ends in EndApplication; this is for runs that end otherwise,
// as in tests.
Program::~Program() { qDeleteAll(forms.loadedForms()); }

void Program::start() { frmStartup.load(); }

void Program::remindToUpdate()
{
    if (m_updateReminder == UpdateReminder::On)
        app::modHelp::RemindToUpdate(services);
}

app::frmStartup *Program::newStartup() { return new app::frmStartup(*this); }

reading::frmMain *Program::newMain()
{
    auto *const window = new reading::frmMain(forms, services.browser, services.clock, fortunes);
    QObject::connect(window, &reading::frmMain::updateCheckDue, window,
                     [this] { remindToUpdate(); });
    QObject::connect(
        window, &reading::frmMain::readingDrawn, window,
        [this](int stick, const QString &sentence) { ShowReading(*this, stick, sentence); });
    QObject::connect(window, &reading::ReadingWindow::aboutRequested, window,
                     [this, window] { showAbout(window); });
    QObject::connect(window, &reading::ReadingWindow::closing, window,
                     [this] { RouteToFarewell(*this); });
    return window;
}

reading::frmDisplay *Program::newDisplay()
{
    auto *const window = new reading::frmDisplay(forms, services.browser, services.clipboard);
    QObject::connect(window, &reading::frmDisplay::backRequested, window,
                     [this] { GoBack(*this); });
    QObject::connect(window, &reading::ReadingWindow::aboutRequested, window,
                     [this, window] { showAbout(window); });
    QObject::connect(window, &reading::ReadingWindow::closing, window,
                     [this] { RouteToFarewell(*this); });
    return window;
}

void Program::showAbout(QWidget *opener)
{
    // Whatever the window it was opened from was doing, such as the wait for
    // a reading, waits until the about window is closed.
    const QPointer<links::frmAbout> about = new links::frmAbout(services.browser, opener);
    about->exec();
    delete about;
}

referral::frmNagScreen2 *Program::newNagScreen()
{
    auto *const window = new referral::frmNagScreen2(forms, services.browser, services.messages,
                                                     services.random, referral);
    QObject::connect(window, &referral::frmNagScreen2::endRequested, window,
                     [this] { app::modHelp::EndApplication(*this); });
    return window;
}

} // namespace app

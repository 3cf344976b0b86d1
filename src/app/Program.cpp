#include "Program.h"

#include "brand/Brand.h"
#include "forms/MessageBoxes.h"
#include "links/frmAbout.h"
#include "platform/Platform.h"
#include "reading/frmDisplay.h"
#include "reading/frmMain.h"
#include "referral/frmNagScreen2.h"

#include <QCoreApplication>
#include <QPointer>

namespace app {

Program::Program(const Services &services, UpdateReminder updateReminder)
    : m_services(services)
    , m_updateReminder(updateReminder)
    , m_fortunes(services.random)
    , m_frmMain([this] { return newMain(); })
    , m_frmDisplay([this] { return newDisplay(); })
    , m_frmNagScreen2([this] { return newNagScreen(); })
{}

// A run normally ends in EndApplication; this is for runs that end otherwise,
// as in tests.
Program::~Program() { qDeleteAll(forms::loadedForms()); }

void Program::start()
{
    if (!m_services.instanceLock.claim()) {
        m_services.messages.ask(
            {QCoreApplication::translate("app::Program", "Application is already running"),
             brand::MessageTitle.toString(), forms::Message::Icon::Information,
             forms::Message::Buttons::Ok});
        modHelp::EndApplication(m_services.processExit);
        return;
    }
    m_services.random.seedFromClock();
    remindToUpdate();
    m_frmMain.load().show();
}

void Program::remindToUpdate()
{
    // The start-up and the main window's load each run the reminder; only the
    // first is made, so that the user is asked at most once per start, whatever
    // becomes of the save.
    if (m_updateReminder == UpdateReminder::Off || m_remindedThisStart)
        return;
    m_remindedThisStart = true;
    modHelp::RemindToUpdate(m_services);
}

void Program::showReading(int stick, const QString &sentence)
{
    reading::frmDisplay &display = m_frmDisplay.load();
    display.showReading(stick, sentence);
    // The first reading loads the farewell window, which stays hidden.
    m_frmNagScreen2.load();
    forms::changeScreen({m_frmMain.ifLoaded()}, {&display});
}

void Program::goBack()
{
    reading::frmMain &main = m_frmMain.load();
    main.makeReady();
    m_frmNagScreen2.load();
    reading::frmDisplay *const display = m_frmDisplay.ifLoaded();
    forms::changeScreen({display}, {&main});
    if (display) {
        // Going back is not closing the results window: the farewell window
        // that closing it brings up does not follow.
        QObject::disconnect(display, &reading::ReadingWindow::closing, nullptr, nullptr);
        display->Unload();
    }
}

void Program::routeToFarewell() { m_frmNagScreen2.load().show(); }

void Program::showAbout(QWidget *opener)
{
    // Whatever the window it was opened from was doing, such as the wait for
    // a reading, waits until the about window is closed.
    const QPointer<links::frmAbout> about = new links::frmAbout(m_services.browser, opener);
    about->exec();
    if (about)
        forms::discardWindow(about);
}

reading::frmMain *Program::newMain()
{
    auto *const window = new reading::frmMain(m_services.browser, m_services.clock, m_fortunes);
    QObject::connect(window, &reading::frmMain::updateCheckDue, window,
                     [this] { remindToUpdate(); });
    QObject::connect(window, &reading::frmMain::readingDrawn, window,
                     [this](int stick, const QString &sentence) { showReading(stick, sentence); });
    QObject::connect(window, &reading::ReadingWindow::aboutRequested, window,
                     [this, window] { showAbout(window); });
    QObject::connect(window, &reading::ReadingWindow::closing, window,
                     [this] { routeToFarewell(); });
    return window;
}

reading::frmDisplay *Program::newDisplay()
{
    auto *const window = new reading::frmDisplay(m_services.browser, m_services.clipboard);
    QObject::connect(window, &reading::frmDisplay::backRequested, window, [this] { goBack(); });
    QObject::connect(window, &reading::ReadingWindow::aboutRequested, window,
                     [this, window] { showAbout(window); });
    QObject::connect(window, &reading::ReadingWindow::closing, window,
                     [this] { routeToFarewell(); });
    return window;
}

referral::frmNagScreen2 *Program::newNagScreen()
{
    auto *const window = new referral::frmNagScreen2(m_services.browser, m_services.messages,
                                                     m_services.random, m_referral);
    QObject::connect(window, &referral::frmNagScreen2::endRequested, window,
                     [this] { modHelp::EndApplication(m_services.processExit); });
    return window;
}

void modHelp::EndApplication(platform::ProcessExit &processExit)
{
    while (forms::Form *const form = forms::nextToUnload())
        form->Unload();
    processExit.exitNow(0);
}

} // namespace app

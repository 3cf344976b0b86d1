#include "WindowSwitching.h"

#include "frmStartup.h"
#include "reading/frmDisplay.h"
#include "reading/frmMain.h"
#include "referral/frmNagScreen2.h"

namespace app {

void RouteToFarewell(Windows &windows)
{
    windows.frmNagScreen2.load().show();
    windows.frmStartup.load().hide();
}

void ShowReading(Windows &windows, int stick, const QString &sentence)
{
    reading::frmDisplay &display = windows.frmDisplay.load();
    display.showReading(stick, sentence);
    // The first reading loads the farewell window, which stays hidden.
    windows.frmNagScreen2.load();
    // The results take the main window's place in one change of screen.
    forms::changeScreen({windows.frmMain.ifLoaded(), windows.frmStartup.ifLoaded()}, {&display});
}

void GoBack(Windows &windows)
{
    reading::frmMain &main = windows.frmMain.load();
    main.makeReady();
    windows.frmNagScreen2.load();
    reading::frmDisplay *const display = windows.frmDisplay.ifLoaded();
    forms::changeScreen({display, windows.frmStartup.ifLoaded()}, {&main});
    if (display) {
        // Going back is not closing the results window: the farewell window
        // that closing it brings up does not follow.
        QObject::disconnect(display, &reading::ReadingWindow::closing, nullptr, nullptr);
        display->Unload();
    }
}

} // namespace app

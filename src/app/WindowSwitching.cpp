#include "WindowSwitching.h"

#include "frmStartup.h"
#include "Program.h"
#include "reading/frmDisplay.h"
#include "reading/frmMain.h"
#include "referral/frmNagScreen2.h"

namespace app {

void RouteToFarewell(Program &program)
{
    program.frmNagScreen2.load().show();
    program.frmStartup.load().hide();
}

void ShowReading(Program &program, int stick, const QString &sentence)
{
    reading::frmDisplay &display = program.frmDisplay.load();
    display.showReading(stick, sentence);
    // The first reading loads the farewell window, which stays hidden.
    program.frmNagScreen2.load();
    // The results take the main window's place in one change of screen.
    forms::changeScreen({program.frmMain.ifLoaded(), program.frmStartup.ifLoaded()}, {&display});
}

void GoBack(Program &program)
{
    reading::frmMain &main = program.frmMain.load();
    main.makeReady();
    program.frmNagScreen2.load();
    reading::frmDisplay *const display = program.frmDisplay.ifLoaded();
    forms::changeScreen({display, program.frmStartup.ifLoaded()}, {&main});
    if (display) {
        // Going back is not closing the results window: the farewell window
        // that closing it brings up does not follow.
        QObject::disconnect(display, &reading::ReadingWindow::closing, nullptr, nullptr);
        display->Unload();
    }
}

} // namespace app

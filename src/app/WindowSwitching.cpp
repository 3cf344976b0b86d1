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
    // The results take the main window's place in one change of screen.
    const forms::FormRegistry::VisibilityBatch oneChange(program.forms);
    program.frmMain.load().hide();
    program.frmStartup.load().hide();
    // The first reading loads the farewell window, which stays hidden.
    program.frmNagScreen2.load().hide();
    display.show();
}

void GoBack(Program &program)
{
    // The farewell window that the unload brings up is put away before the
    // screen changes, so it never shows.
    const forms::FormRegistry::VisibilityBatch oneChange(program.forms);
    reading::frmMain &main = program.frmMain.load();
    main.makeReady();
    if (reading::frmDisplay *const display = program.frmDisplay.ifLoaded())
        display->Unload();
    main.show();
    program.frmStartup.load().hide();
    program.frmNagScreen2.load().hide();
}

} // namespace app

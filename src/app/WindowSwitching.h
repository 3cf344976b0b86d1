#pragma once

#include "forms/FormRef.h"

#include <QString>

namespace app {
class frmStartup;
}
namespace reading {
class frmMain;
class frmDisplay;
} // namespace reading
namespace referral {
class frmNagScreen2;
}

namespace app {

// The windows between which the program switches, by name.
struct Windows {
    forms::FormRef<app::frmStartup> frmStartup;
    forms::FormRef<reading::frmMain> frmMain;
    forms::FormRef<reading::frmDisplay> frmDisplay;
    forms::FormRef<referral::frmNagScreen2> frmNagScreen2;
};

// What closing the main or the results window leads to: the farewell window,
// not the end of the program.
void RouteToFarewell(Windows &windows);

// The end of a reading: the results take the main window's place.
void ShowReading(Windows &windows, int stick, const QString &sentence);

// Back in the results window: the main window again, ready for the next
// reading.
void GoBack(Windows &windows);

} // namespace app

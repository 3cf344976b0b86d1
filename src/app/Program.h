#pragma once

#include "forms/FormRef.h"
#include "forms/FormRegistry.h"
#include "platform/Services.h"
#include "reading/modFortunrCookies.h"
#include "referral/modTellAFriend.h"

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

// Whether the program reminds the user, at most every two weeks, to look for a
// newer version. Distributions leave the reminder out of the programs they
// package: their own updates do that job.
enum class UpdateReminder { On, Off };

// One run of the program: its platform services, its state and its windows,
// referred to by name. Each window is made with its signals connected to what
// follows from them, which is where the program switches between windows.
class Program {
public:
    explicit Program(const platform::Services &services,
                     UpdateReminder updateReminder = UpdateReminder::On);
    ~Program();
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    // Loads the start-up host, whose load handler runs the start-up sequence.
    void start();

    // Runs the update reminder, where the program has it: at start-up and when
    // the main window loads.
    void remindToUpdate();

    const platform::Services services;
    forms::FormRegistry forms;
    reading::modFortunrCookies::FortuneCookies fortunes;
    referral::modTellAFriend::Referral referral;

    forms::FormRef<app::frmStartup> frmStartup;
    forms::FormRef<reading::frmMain> frmMain;
    forms::FormRef<reading::frmDisplay> frmDisplay;
    forms::FormRef<referral::frmNagScreen2> frmNagScreen2;

private:
    const UpdateReminder m_updateReminder;

    app::frmStartup *newStartup();
    reading::frmMain *newMain();
    reading::frmDisplay *newDisplay();
    // Shows the about window, modal, owned by the window it was opened from,
    // and returns once it is closed.
    void showAbout(QWidget *opener);
    referral::frmNagScreen2 *newNagScreen();
};

} // namespace app

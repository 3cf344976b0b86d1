#pragma once

#include "forms/FormRef.h"
#include "forms/FormRegistry.h"
#include "reading/modFortunrCookies.h"
#include "referral/modTellAFriend.h"
#include "Services.h"
#include "WindowSwitching.h"

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
    explicit Program(const app::Services &services,
                     UpdateReminder updateReminder = UpdateReminder::On);
    ~Program();
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    // Loads the start-up host, whose load handler runs the start-up sequence.
    void start();

    // The windows by name; referring to one with load() loads it.
    forms::FormRef<app::frmStartup> &frmStartup() { return m_windows.frmStartup; }
    forms::FormRef<reading::frmMain> &frmMain() { return m_windows.frmMain; }
    forms::FormRef<reading::frmDisplay> &frmDisplay() { return m_windows.frmDisplay; }
    forms::FormRef<referral::frmNagScreen2> &frmNagScreen2() { return m_windows.frmNagScreen2; }
    // The loaded windows.
    const forms::FormRegistry &forms() const { return m_forms; }
    // What the farewell window's referral form holds.
    const referral::modTellAFriend::Referral &referral() const { return m_referral; }

private:
    // Runs the update reminder, where the program has it: at start-up and when
    // the main window loads.
    void remindToUpdate();
    // Shows the about window, modal, owned by the window it was opened from,
    // and returns once it is closed.
    void showAbout(QWidget *opener);
    void end();

    app::frmStartup *newStartup();
    reading::frmMain *newMain();
    reading::frmDisplay *newDisplay();
    referral::frmNagScreen2 *newNagScreen();

    const app::Services m_services;
    const UpdateReminder m_updateReminder;
    bool m_remindedThisStart = false;
    forms::FormRegistry m_forms;
    reading::modFortunrCookies::FortuneCookies m_fortunes;
    referral::modTellAFriend::Referral m_referral;
    Windows m_windows;
};

} // namespace app

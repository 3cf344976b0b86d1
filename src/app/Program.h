#pragma once

#include "forms/Form.h"
#include "reading/modFortunrCookies.h"
#include "referral/modTellAFriend.h"
#include "Services.h"

class QWidget;

namespace platform {
class ProcessExit;
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

// One run of the program: its services, its state and its windows, referred
// to by name. Each window is made with its signals connected to what follows
// from them: this is where the program switches between windows.
class Program {
public:
    explicit Program(const Services &services, UpdateReminder updateReminder = UpdateReminder::On);
    ~Program();
    Q_DISABLE_COPY(Program)

    // The start: one copy per user, the random source seeded from the clock,
    // the update reminder, then the main window.
    void start();

    // The windows by name; referring to one with load() loads it.
    forms::FormRef<reading::frmMain> &frmMain() { return m_frmMain; }
    forms::FormRef<reading::frmDisplay> &frmDisplay() { return m_frmDisplay; }
    forms::FormRef<referral::frmNagScreen2> &frmNagScreen2() { return m_frmNagScreen2; }
    // What the farewell window's referral form holds.
    const referral::modTellAFriend::Referral &referral() const { return m_referral; }

private:
    // Runs the update reminder, where the program has it: at start-up and when
    // the main window loads.
    void remindToUpdate();
    // The end of a reading: the results take the main window's place.
    void showReading(int stick, const QString &sentence);
    // Back: the main window again, ready for the next reading.
    void goBack();
    // What closing the main or the results window leads to: the farewell
    // window, not the end of the program.
    void routeToFarewell();
    // The about window, modal, owned by the window it was opened from.
    void showAbout(QWidget *opener);

    reading::frmMain *newMain();
    reading::frmDisplay *newDisplay();
    referral::frmNagScreen2 *newNagScreen();

    const Services m_services;
    const UpdateReminder m_updateReminder;
    bool m_remindedThisStart = false;
    reading::modFortunrCookies::FortuneCookies m_fortunes;
    referral::modTellAFriend::Referral m_referral;
    forms::FormRef<reading::frmMain> m_frmMain;
    forms::FormRef<reading::frmDisplay> m_frmDisplay;
    forms::FormRef<referral::frmNagScreen2> m_frmNagScreen2;
};

namespace modHelp {

// At most once every two weeks, asks at start-up whether to look for a newer
// version, and keeps the date of the last time it asked in the settings store.
void RemindToUpdate(const Services &services);

// Unloads every loaded window, each with its unload handler, then ends the
// process at once. Safe to call again from an unload handler.
void EndApplication(platform::ProcessExit &processExit);

} // namespace modHelp

} // namespace app

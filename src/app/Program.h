#pragma once

#include "FormRef.h"
#include "FormRegistry.h"
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
namespace links {
class frmAbout;
}
namespace referral {
class frmNagScreen2;
}

namespace app {

// One run of the program: its platform services, its state and its windows,
// referred to by name.
class Program {
public:
    explicit Program(const platform::Services &services);
    ~Program();
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    // Loads the start-up host, whose load handler runs the start-up sequence.
    void start();

    const platform::Services services;
    FormRegistry forms;
    modFortunrCookies::FortuneCookies fortunes;
    modTellAFriend::Referral referral;

    FormRef<app::frmStartup> frmStartup;
    FormRef<reading::frmMain> frmMain;
    FormRef<reading::frmDisplay> frmDisplay;
    FormRef<links::frmAbout> frmAbout;
    FormRef<referral::frmNagScreen2> frmNagScreen2;
};

} // namespace app

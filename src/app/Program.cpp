#include "Program.h"

#include "app/frmStartup.h"
#include "links/frmAbout.h"
#include "reading/frmDisplay.h"
#include "reading/frmMain.h"
#include "referral/frmNagScreen2.h"

namespace app {

Program::Program(const platform::Services &services)
    : services(services)
    , fortunes(services.random)
    , frmStartup(*this)
    , frmMain(*this)
    , frmDisplay(*this)
    , frmAbout(*this)
    , frmNagScreen2(*this)
{}

// A run normally ends in EndApplication; this is for runs that end otherwise,
// as in tests.
Program::~Program() { qDeleteAll(forms.loadedForms()); }

void Program::start() { frmStartup.get(); }

} // namespace app

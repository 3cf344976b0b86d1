#include "CloseRouting.h"

#include "frmStartup.h"
#include "Program.h"
#include "referral/frmNagScreen2.h"

namespace app {

void RouteToFarewell(Program &program)
{
    program.frmNagScreen2->show();
    program.frmStartup->hide();
}

} // namespace app

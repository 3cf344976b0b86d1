#include "EndApplication.h"

#include "Form.h"
#include "platform/ProcessExit.h"
#include "Program.h"

namespace modHelp {

void EndApplication(app::Program &program)
{
    while (app::Form *const form = program.forms.nextToUnload())
        form->Unload();
    program.services.processExit.exitNow(0);
}

} // namespace modHelp

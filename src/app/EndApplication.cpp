#include "EndApplication.h"

#include "forms/Form.h"
#include "platform/ProcessExit.h"
#include "Program.h"

namespace app::modHelp {

void EndApplication(app::Program &program)
{
    while (forms::Form *const form = program.forms.nextToUnload())
        form->Unload();
    program.services.processExit.exitNow(0);
}

} // namespace app::modHelp

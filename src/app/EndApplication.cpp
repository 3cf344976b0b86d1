#include "EndApplication.h"

#include "forms/Form.h"
#include "forms/FormRegistry.h"
#include "platform/ProcessExit.h"

namespace app::modHelp {

void EndApplication(const forms::FormRegistry &forms, platform::ProcessExit &processExit)
{
    while (forms::Form *const form = forms.nextToUnload())
        form->Unload();
    processExit.exitNow(0);
}

} // namespace app::modHelp

#include "frmStartup.h"

#include "brand/Brand.h"
#include "EndApplication.h"
#include "platform/InstanceLock.h"
#include "platform/Messages.h"
#include "platform/RandomSource.h"
#include "Program.h"
#include "reading/frmMain.h"

using namespace Qt::Literals::StringLiterals;

namespace app {

frmStartup::frmStartup(Program &program)
    : Form(program.forms, u"frmStartup"_s, QSize(1, 1))
    , m_program(program)
{
    brand::dressWindow(this);
}

void frmStartup::Form_Load()
{
    const platform::Services &services = m_program.services;
    if (!services.instanceLock.claim()) {
        services.messages.ask({tr("Application is already running"), brand::MessageTitle.toString(),
                               platform::Message::Icon::Information,
                               platform::Message::Buttons::Ok});
        app::modHelp::EndApplication(m_program);
        return;
    }
    services.random.seedFromClock();
    m_program.remindToUpdate();
    m_program.frmMain.load().show();
    hide();
}

void frmStartup::Form_Unload() { app::modHelp::EndApplication(m_program); }

} // namespace app

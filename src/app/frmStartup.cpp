#include "frmStartup.h"

#include "brand/Brand.h"
#include "platform/InstanceLock.h"
#include "platform/Messages.h"
#include "platform/RandomSource.h"

using namespace Qt::Literals::StringLiterals;

namespace app {

frmStartup::frmStartup(forms::FormRegistry &registry, platform::InstanceLock &instanceLock,
                       platform::Messages &messages, platform::RandomSource &random)
    : Form(registry, u"frmStartup"_s, QSize(1, 1))
    , m_instanceLock(instanceLock)
    , m_messages(messages)
    , m_random(random)
{}

void frmStartup::Form_Load()
{
    if (!m_instanceLock.claim()) {
        m_messages.ask({tr("Application is already running"), brand::MessageTitle.toString(),
                        platform::Message::Icon::Information, platform::Message::Buttons::Ok});
        emit ending();
        return;
    }
    m_random.seedFromClock();
    emit started();
    hide();
}

void frmStartup::Form_Unload() { emit ending(); }

} // namespace app

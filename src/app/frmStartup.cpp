#include "frmStartup.h"

#include "brand/Brand.h"
#include "forms/MessageBoxes.h"
#include "platform/InstanceLock.h"
#include "platform/RandomSource.h"

using namespace Qt::Literals::StringLiterals;

namespace app {

frmStartup::frmStartup(forms::FormRegistry &registry, platform::InstanceLock &instanceLock,
                       forms::Messages &messages, platform::RandomSource &random)
    : Form(registry, u"frmStartup"_s, QSize(1, 1))
    , m_instanceLock(instanceLock)
    , m_messages(messages)
    , m_random(random)
{}

void frmStartup::Form_Load()
{
    if (!m_instanceLock.claim()) {
        m_messages.ask({tr("Application is already running"), brand::MessageTitle.toString(),
                        forms::Message::Icon::Information, forms::Message::Buttons::Ok});
        emit ending();
        return;
    }
    m_random.seedFromClock();
    emit started();
    hide();
}

void frmStartup::Form_Unload() { emit ending(); }

} // namespace app

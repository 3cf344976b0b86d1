#pragma once

#include "forms/Form.h"

namespace forms {
class Messages;
}
namespace platform {
class InstanceLock;
class RandomSource;
} // namespace platform

namespace app {

// The start-up host: loaded first, never shown. Its load handler starts the
// program; unloading it ends the program.
class frmStartup final : public forms::Form {
    Q_OBJECT
public:
    frmStartup(forms::FormRegistry &registry, platform::InstanceLock &instanceLock,
               forms::Messages &messages, platform::RandomSource &random);

signals:
    // This is the only copy of the program running: the main window is next.
    void started();
    // Another copy runs, or the host was unloaded: the program ends.
    void ending();

protected:
    void Form_Load() override;
    void Form_Unload() override;

private:
    platform::InstanceLock &m_instanceLock;
    forms::Messages &m_messages;
    platform::RandomSource &m_random;
};

} // namespace app

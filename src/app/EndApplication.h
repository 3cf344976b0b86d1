#pragma once

namespace forms {
class FormRegistry;
}
namespace platform {
class ProcessExit;
}

namespace app::modHelp {

// Unloads every loaded window, in load order, each with its unload handler,
// then ends the process at once. Safe to call again from an unload handler.
void EndApplication(const forms::FormRegistry &forms, platform::ProcessExit &processExit);

} // namespace app::modHelp

#pragma once

namespace app {
class Program;
}

namespace app::modHelp {

// Unloads every loaded window, in load order, each with its unload handler,
// then ends the process at once. Safe to call again from an unload handler.
void EndApplication(app::Program &program);

} // namespace app::modHelp

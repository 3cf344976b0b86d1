#pragma once

namespace app {
struct Services;
}

namespace app::modHelp {

// At most once every two weeks, asks at start-up whether to look for a newer
// version, and keeps the date of the last time it asked in the settings store.
void RemindToUpdate(const app::Services &services);

} // namespace app::modHelp

#pragma once

namespace forms {
class Messages;
}
namespace platform {
class Browser;
class Clipboard;
class Clock;
class InstanceLock;
class ProcessExit;
class RandomSource;
class SettingsStore;
} // namespace platform

namespace app {

// What the program needs of the system and of the kit's message boxes,
// handed to the parts that use them.
struct Services {
    platform::Browser &browser;
    forms::Messages &messages;
    platform::SettingsStore &settings;
    platform::Clock &clock;
    platform::RandomSource &random;
    platform::InstanceLock &instanceLock;
    platform::ProcessExit &processExit;
    platform::Clipboard &clipboard;
};

} // namespace app

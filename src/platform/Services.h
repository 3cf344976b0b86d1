#pragma once

namespace platform {

class Browser;
class Clipboard;
class Clock;
class InstanceLock;
class Messages;
class ProcessExit;
class RandomSource;
class SettingsStore;

// What the program needs of its platform, handed to every part that uses it.
struct Services {
    Browser &browser;
    Messages &messages;
    SettingsStore &settings;
    Clock &clock;
    RandomSource &random;
    InstanceLock &instanceLock;
    ProcessExit &processExit;
    Clipboard &clipboard;
};

} // namespace platform

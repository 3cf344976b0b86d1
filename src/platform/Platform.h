#pragma once

#include <QDate>
#include <QString>

#include <chrono>
#include <optional>

class QUrl;

// What the program asks of the system; tests stand in for it, QtPlatform.h is the real thing.
namespace platform {

// Hands an address to the user's default web browser and returns at once.
class Browser {
public:
    virtual ~Browser() = default;
    // Whether the address can be handed over at all: the system limits its
    // length. An address it cannot be given, open() does not try to hand over.
    virtual bool canOpen(const QUrl &address) const = 0;
    virtual void open(const QUrl &address) = 0;
};

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void setText(const QString &text) = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
    // Never goes backwards and does not restart at midnight: for measuring waits.
    virtual std::chrono::milliseconds monotonic() const = 0;
    // Changes from one call to the next, for seeding the random source.
    virtual quint64 seedMaterial() const = 0;
};

// Tells whether another copy of this program already runs for this user.
class InstanceLock {
public:
    virtual ~InstanceLock() = default;
    // Claims the program for this process; false when another copy holds it.
    virtual bool claim() = 0;
};

class ProcessExit {
public:
    virtual ~ProcessExit() = default;
    // Ends the process at once; nothing of the program runs afterwards.
    virtual void exitNow(int status) = 0;
};

// The program's one pseudo-random generator.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Uniform in [0, 1), in steps of 2^-24.
    virtual float next() = 0;
    virtual void seedFromClock() = 0;
};

// The per-user store of string values, addressed by section and key under the
// application's own name. A missing key reads as the empty string.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // Empty optional: the store could not be read.
    virtual std::optional<QString> read(const QString &section, const QString &key) = 0;
    // Each write is durable when this returns true.
    virtual bool write(const QString &section, const QString &key, const QString &value) = 0;
};

} // namespace platform

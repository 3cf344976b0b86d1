#pragma once

#include <QDate>

#include <chrono>

namespace platform {

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
    // Never goes backwards and does not restart at midnight: for measuring waits.
    virtual std::chrono::milliseconds monotonic() const = 0;
    // Changes from one call to the next, for seeding the random source.
    virtual quint64 seedMaterial() const = 0;
};

} // namespace platform

#pragma once

class QUrl;

namespace platform {

// Hands an address to the user's default web browser and returns at once.
class Browser {
public:
    virtual ~Browser() = default;
    virtual void open(const QUrl &address) = 0;
};

} // namespace platform

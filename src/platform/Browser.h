#pragma once

class QUrl;

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

} // namespace platform

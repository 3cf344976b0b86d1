#pragma once

namespace platform {

// Tells whether another copy of this program already runs for this user.
class InstanceLock {
public:
    virtual ~InstanceLock() = default;
    // Claims the program for this process; false when another copy holds it.
    virtual bool claim() = 0;
};

} // namespace platform

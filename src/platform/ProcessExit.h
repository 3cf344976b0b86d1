#pragma once

namespace platform {

class ProcessExit {
public:
    virtual ~ProcessExit() = default;
    // Ends the process at once; nothing of the program runs afterwards.
    virtual void exitNow(int status) = 0;
};

} // namespace platform

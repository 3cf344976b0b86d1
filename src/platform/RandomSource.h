#pragma once

namespace platform {

// The program's one pseudo-random generator.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Uniform in [0, 1), in steps of 2^-24.
    virtual float next() = 0;
    virtual void seedFromClock() = 0;
};

} // namespace platform

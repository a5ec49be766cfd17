// The scene's random numbers: a 32-bit linear congruential generator that starts at 1 and is
// never reseeded, so every run shows the same particles. Each scene owns its sequence and hands
// it to its particles.
#pragma once

#include <cstdint>

namespace velmora::scene {

class RandomSequence {
public:
    // The next value, 0 to 32767.
    int next();

    // One draw: the next value modulo 1000, as a fraction 0.000 to 0.999 in single precision.
    float nextDraw();

private:
    std::uint32_t state_ = 1;
};

} // namespace velmora::scene

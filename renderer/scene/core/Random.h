// The scene's random numbers: a 32-bit linear congruential generator that starts at 1 and is
// never reseeded, so every run shows the same particles.
#pragma once

#include <cstdint>

namespace velmora::scene {

class RandomSequence {
public:
    // The next value, 0 to 32767.
    int next();

private:
    std::uint32_t state_ = 1;
};

// The one sequence of the process, shared by every caller of nextRandom.
RandomSequence& processRandom();

// The next value of the process sequence, 0 to 32767.
int nextRandom();

// One draw: the next value modulo 1000, as a fraction 0.000 to 0.999 in single precision.
float nextDraw();

} // namespace velmora::scene

// The scene's linear congruential generator and the fractional draws made from it.
#include "renderer/scene/core/Random.h"

namespace velmora::scene {

int RandomSequence::next() {
    state_ = state_ * 214013u + 2531011u;
    return static_cast<int>((state_ >> 16) & 0x7FFFu);
}

float RandomSequence::nextDraw() {
    return static_cast<float>(next() % 1000) / 1000.0f;
}

} // namespace velmora::scene

// The clock seam of both programs: the renderer's frame pace and the saver's start-up grace read
// the time through it, so their arithmetic runs without a platform and against a fake.
#pragma once

namespace velmora::base {

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds from any fixed start, never going back.
    virtual double nowMs() = 0;
};

} // namespace velmora::base

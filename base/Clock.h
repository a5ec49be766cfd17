// The clock seam of both programs and the hack: the renderer's frame pace and the saver's
// start-up grace read the time through it, so their arithmetic runs without a platform and
// against a fake; and the one real clock behind it, the standard library's steady clock (the
// performance counter on Windows), which the benchmarks read too.
#pragma once

#include <chrono>

namespace velmora::base {

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds from any fixed start, never going back.
    virtual double nowMs() = 0;
};

class SteadyClock : public Clock {
public:
    double nowMs() override {
        return std::chrono::duration<double, std::milli>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }
};

} // namespace velmora::base

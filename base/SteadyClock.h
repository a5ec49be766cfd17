// The clock of programs that have no platform clock of their own to read: the standard library's
// steady clock.
#pragma once

#include <chrono>

#include "base/Clock.h"

namespace velmora::base {

class SteadyClock : public Clock {
public:
    double nowMs() override {
        return std::chrono::duration<double, std::milli>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }
};

} // namespace velmora::base

// A clock the test sets by hand, for the code that reads the time through base::Clock.
#pragma once

#include "base/Clock.h"

namespace velmora::testing {

class FakeClock : public base::Clock {
public:
    explicit FakeClock(double startMs) : ms(startMs) {}
    double nowMs() override { return ms; }

    double ms;
};

} // namespace velmora::testing

// The run's clock over the system's millisecond tick count.
#pragma once

#include "base/Clock.h"

namespace velmora::run {

class TickClock : public base::Clock {
public:
    double nowMs() override;
};

} // namespace velmora::run

// The run's clock over the system's millisecond tick count.
#pragma once

#include "saver/run/core/RunSeams.h"

namespace velmora::run {

class TickClock : public Clock {
public:
    uint64_t now() override;
};

} // namespace velmora::run

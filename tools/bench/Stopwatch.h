// Milliseconds from the performance counter, for timing starts and frames; Windows only.
#pragma once

#include "renderer/window/PerformanceClock.h"

namespace velmora::bench {

inline double nowMs() {
    return window::PerformanceClock().nowMs();
}

} // namespace velmora::bench

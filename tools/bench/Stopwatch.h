// Milliseconds from the performance counter, for timing starts and frames; Windows only.
#pragma once

#include "renderer/window/PerformanceClock.h"

inline double nowMs() {
    return PerformanceClock().nowMs();
}

// The frame clock of Windows: the performance counter, in milliseconds.
#pragma once

#include <windows.h>

#include "renderer/window/core/FramePacer.h"

namespace velmora::window {

class PerformanceClock : public base::Clock {
public:
    double nowMs() override {
        LARGE_INTEGER frequency;
        LARGE_INTEGER count;
        QueryPerformanceFrequency(&frequency);
        QueryPerformanceCounter(&count);
        return 1000.0 * static_cast<double>(count.QuadPart) /
               static_cast<double>(frequency.QuadPart);
    }
};

} // namespace velmora::window

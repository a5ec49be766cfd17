// FramePacer: holds the frame loop to a steady rate whatever the GPU could do, so the fixed
// per-frame animation step turns the world at the intended speed and an idle machine is not
// kept busy. The time comes through base::Clock, so the arithmetic runs without a platform. The
// Windows renderer and the Linux hack (at its -delay) share it.
#pragma once

#include <string_view>

#include "base/Clock.h"

namespace velmora::window {

// 60 frames a second.
inline constexpr double kFramePeriodMs = 1000.0 / 60.0;

class FramePacer {
public:
    // A period of 0 makes every frame due at once.
    explicit FramePacer(base::Clock& clock, double periodMs = kFramePeriodMs);

    // Whole milliseconds until the next frame is due; 0 when it is due now (less than one
    // millisecond early counts as due, since waits come in whole milliseconds).
    unsigned int msUntilDue() const;

    // A frame starts now. The next is due one period after this one was due, so an early or
    // slightly late frame keeps the cadence; a frame late by a whole period or more starts a new
    // cadence from now, so a stall is never made up by a burst of frames.
    void frameStarts();

private:
    base::Clock& clock_;
    double periodMs_;
    double dueMs_ = 0.0;
    bool started_ = false;
};

// Whether the driver can tie swaps to the display's refresh: true when name is one of the
// blank-separated words of an extension list; a longer name that merely starts with it
// (WGL_EXT_swap_control_tear) does not count.
bool hasExtension(std::string_view list, std::string_view name);

} // namespace velmora::window

// FramePacer: holds the frame loop to a steady rate whatever the GPU could do, so the fixed
// per-frame animation step turns the world at the intended speed and an idle machine is not
// kept busy. The time comes through base::Clock, so the arithmetic runs without a platform.
#pragma once

#include "base/Clock.h"

namespace velmora::window {

inline constexpr double kFramesPerSecond = 60.0;

class FramePacer {
public:
    explicit FramePacer(base::Clock& clock, double framesPerSecond = kFramesPerSecond);

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

} // namespace velmora::window

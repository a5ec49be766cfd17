// FramePacer: holds the frame loop to a steady rate whatever the GPU could do, so the fixed
// per-frame animation step turns the world at the intended speed and an idle machine is not
// kept busy. The time comes through FrameClock, so the arithmetic runs without a platform.
#pragma once

namespace velmora::window {

class FrameClock {
public:
    virtual ~FrameClock() = default;
    // Milliseconds from any fixed start, never going back.
    virtual double nowMs() = 0;
};

inline constexpr double kFramesPerSecond = 60.0;

class FramePacer {
public:
    explicit FramePacer(FrameClock& clock, double framesPerSecond = kFramesPerSecond);

    // Whole milliseconds until the next frame is due; 0 when it is due now (less than one
    // millisecond early counts as due, since waits come in whole milliseconds).
    unsigned int msUntilDue() const;

    // A frame starts now. The next is due one period after this one was due, so an early or
    // slightly late frame keeps the cadence; a frame late by a whole period or more starts a new
    // cadence from now, so a stall is never made up by a burst of frames.
    void frameStarts();

private:
    FrameClock& clock_;
    double periodMs_;
    double dueMs_ = 0.0;
    bool started_ = false;
};

} // namespace velmora::window

// FrameInput: what the renderer's messages tell the frame loop (whether the window is
// minimized, whether Escape was pressed) and what each empty-queue pass does with it.
#pragma once

#include <cstdint>

namespace velmora::window {

inline constexpr unsigned int kEscapeKey = 27;

struct FrameInput {
    // False while the window is minimized: no scene is drawn then.
    bool active = true;
    // Set by any key-down of Escape and never cleared: a tap whose key-up arrives before the
    // next empty-queue pass (a slow frame takes longer than a tap) still ends the run.
    bool escapePressed = false;

    // From an activation message: its minimized flag, the high word of its first parameter.
    void activate(std::uint16_t minimized);

    // A key message; only the Escape code itself counts, not a forged code whose low byte is
    // Escape's.
    void key(std::uintptr_t code, bool down);
};

// What the loop does when the queue is empty.
enum class EmptyQueuePass {
    End,        // Escape was pressed, minimized or not
    AwaitInput, // minimized: nothing to draw until a message comes
    AwaitPace,  // the next frame is not due yet
    DrawFrame,
};

// paceWaitMs: how long until the next frame is due (0 when it is due now).
EmptyQueuePass emptyQueuePass(const FrameInput& input, unsigned int paceWaitMs);

} // namespace velmora::window

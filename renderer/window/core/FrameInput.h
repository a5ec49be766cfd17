// FrameInput: what the renderer's messages tell the frame loop (whether the window is minimized,
// whether the display is on, whether Escape was pressed), when the window takes the keyboard,
// and what each empty-queue pass does with it.
#pragma once

#include <cstdint>

namespace velmora::window {

inline constexpr unsigned int kEscapeKey = 27;

// The key messages, as the platform tells them apart: a system key is one pressed with Alt
// held, or any key while the active window has no keyboard focus.
enum class KeyMessage { Down, Up, SystemDown, SystemUp };

struct FrameInput {
    // False while the window is minimized: no scene is drawn then.
    bool active = true;
    // False while the system reports the display off: nothing is drawn for a dark screen.
    bool displayOn = true;
    // Set by any key-down of Escape and never cleared: a tap whose key-up arrives before the
    // next empty-queue pass (a slow frame takes longer than a tap) still ends the run.
    bool escapePressed = false;

    // From an activation message: its state (0 deactivated, otherwise activated, by a click or
    // not) and its minimized flag. True when the window is to take the keyboard focus: an
    // activated window that is not minimized, so that Escape reaches it also after another
    // program had the foreground.
    bool activate(std::uint16_t state, std::uint16_t minimized);

    // From a size message: minimizing and restoring.
    void minimize(bool minimized);

    // A key message; only the Escape code itself counts, not a forged code whose low byte is
    // Escape's, and as a system key too.
    void key(KeyMessage message, std::uintptr_t code);

    // From the console display state the system reports: 0 off, 1 on, 2 dimmed (still shown).
    void displayState(std::uint32_t state);
};

// What the loop does when the queue is empty.
enum class EmptyQueuePass {
    End,        // Escape was pressed, minimized, dark or not
    AwaitInput, // minimized or the display off: nothing to draw until a message comes
    AwaitPace,  // the next frame is not due yet
    DrawFrame,
};

// paceWaitMs: how long until the next frame is due (0 when it is due now).
EmptyQueuePass emptyQueuePass(const FrameInput& input, unsigned int paceWaitMs);

} // namespace velmora::window

// FrameInput: what the renderer's messages tell the frame loop (whether the window is
// minimized, which keys are down) and the decision each empty-queue pass takes from it.
#pragma once

#include <array>
#include <cstdint>

inline constexpr unsigned int kEscapeKey = 27;

struct FrameInput {
    // False while the window is minimized: no scene is drawn then.
    bool active = true;
    std::array<bool, 256> keyDown{};

    // From an activation message: its minimized flag, the high word of its first parameter.
    void activate(std::uint16_t minimized);

    // Codes beyond the table, which only a forged message can carry, are ignored.
    void key(std::uintptr_t code, bool down);
};

// One pass with an empty message queue: draws the scene when the window is active and says
// whether the loop ends, on a failed draw or on Escape held down (minimized or not).
template <class DrawScene> bool frameEndsLoop(const FrameInput& input, DrawScene&& drawScene) {
    return (input.active && !drawScene()) || input.keyDown[kEscapeKey];
}

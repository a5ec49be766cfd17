// The frame loop's view of the window: activation, display state and the Escape press.
#include "renderer/window/core/FrameInput.h"

namespace velmora::window {

namespace {
constexpr std::uint32_t kDisplayOff = 0;
} // namespace

bool FrameInput::activate(std::uint16_t state, std::uint16_t minimized) {
    minimize(minimized != 0);
    return state != 0 && minimized == 0;
}

void FrameInput::minimize(bool minimized) {
    active = !minimized;
}

void FrameInput::key(KeyMessage message, std::uintptr_t code) {
    const bool down = message == KeyMessage::Down || message == KeyMessage::SystemDown;
    if (down && code == kEscapeKey) {
        escapePressed = true;
    }
}

void FrameInput::displayState(std::uint32_t state) {
    displayOn = state != kDisplayOff;
}

EmptyQueuePass emptyQueuePass(const FrameInput& input, unsigned int paceWaitMs) {
    if (input.escapePressed) {
        return EmptyQueuePass::End;
    }
    if (!input.active || !input.displayOn) {
        return EmptyQueuePass::AwaitInput;
    }
    return paceWaitMs > 0 ? EmptyQueuePass::AwaitPace : EmptyQueuePass::DrawFrame;
}

} // namespace velmora::window

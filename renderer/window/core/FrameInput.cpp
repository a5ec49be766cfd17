// The frame loop's view of the window: activation and the Escape press.
#include "renderer/window/core/FrameInput.h"

namespace velmora::window {

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

EmptyQueuePass emptyQueuePass(const FrameInput& input, unsigned int paceWaitMs) {
    if (input.escapePressed) {
        return EmptyQueuePass::End;
    }
    if (!input.active) {
        return EmptyQueuePass::AwaitInput;
    }
    return paceWaitMs > 0 ? EmptyQueuePass::AwaitPace : EmptyQueuePass::DrawFrame;
}

} // namespace velmora::window

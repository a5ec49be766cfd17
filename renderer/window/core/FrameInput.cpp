// The frame loop's view of the window: activation and the Escape press.
#include "renderer/window/core/FrameInput.h"

namespace velmora::window {

void FrameInput::activate(std::uint16_t minimized) {
    active = minimized == 0;
}

void FrameInput::key(std::uintptr_t code, bool down) {
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

// The frame loop's view of the window: activation and the key table.
#include "renderer/window/FrameInput.h"

void FrameInput::activate(std::uint16_t minimized) {
    active = minimized == 0;
}

void FrameInput::key(std::uintptr_t code, bool down) {
    if (code < keyDown.size()) {
        keyDown[code] = down;
    }
}

// Presses on the windowless controls of one container window. The container holds the mouse
// for them like any window (MousePress.h); this says, by the same rule of PressOwner, which
// control a press belongs to and which release clicks it. Controls are ids of the caller's
// choosing; kBackground is the container itself, where no control takes the mouse.
#pragma once

#include <cstdint>
#include <optional>

#include "saver/forms/core/MouseButton.h"
#include "saver/forms/core/PressOwner.h"

namespace velmora::forms {

class WindowlessPress {
public:
    static constexpr uintptr_t kBackground = 0;

    // A press of button over the control under. While another button is down the press joins
    // the one that holds the mouse, as it does on a window. Returns the control whose MouseDown
    // it is (kBackground: none).
    uintptr_t press(uintptr_t under, MouseButton button);
    // A release of button over the control under: the control it clicks, if any. A left
    // release over the control that owns the press is its click; no other release is.
    std::optional<uintptr_t> release(uintptr_t under, MouseButton button);
    // The container lost the mouse to another window: the press ends without a click.
    void lost();

private:
    PressOwner owner_;
};

} // namespace velmora::forms

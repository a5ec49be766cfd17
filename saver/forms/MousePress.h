// The one rule of mouse presses for every window of the forms layer: a press of any button
// holds the mouse for the window it started on, and its release there is a click only over
// that window (see core/PressOwner.h). A press on the background released over a button is
// the background's; a press on one button released over another clicks neither. Windowless
// controls follow the same rule inside their container (WindowlessPress, core/PressOwner.h).
#pragma once

#include <windows.h>

#include <optional>

#include "saver/forms/core/PressOwner.h"

namespace velmora::forms {

// A button message: which button, and whether it went down or up.
struct ButtonMessage {
    MouseButton button;
    bool down;
};
// Nothing for a message that is no press or release of a mouse button.
std::optional<ButtonMessage> buttonMessageOf(UINT message);

// Lost: the window's press ended when another window took the mouse (a system dialog, a
// cancelled mode); no release will click.
enum class PressStep { None, Press, ReleaseOver, ReleaseOutside, Lost };

// Called from a window procedure with every message; acts on button presses and releases and
// on the loss of the mouse capture, and says what a button message means for this window.
// presses: the press of the window's form, which all of its windows share.
PressStep followMousePress(PressOwner& presses, HWND window, UINT message, LPARAM lParam);

} // namespace velmora::forms

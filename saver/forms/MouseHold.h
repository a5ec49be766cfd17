// Holding the mouse from a button press to its release, as forms and picture boxes do: a press
// that starts on the background and ends over a control is the background's, not the control's.
#pragma once

#include <windows.h>

// Called from a window procedure with every message; acts on mouse-button presses and releases.
void holdMouseWhilePressed(HWND window, UINT message);

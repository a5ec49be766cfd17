// The window zoom animation of the settings dialog: an outline travelling between an anchor
// point (where the pointer was when the dialog loaded) and the window's rectangle.
#pragma once

#include <windows.h>

namespace velmora::dialog {

// From the anchor, in screen pixels, to the window's screen rectangle.
void Zoom_Open(HWND window, POINT anchor);
// From the window's screen rectangle back to the anchor.
void Zoom_Close(HWND window, POINT anchor);

} // namespace velmora::dialog

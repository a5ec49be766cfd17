// The window zoom animation of the settings dialog: an outline travelling between the anchor
// point (where the pointer was when the dialog loaded) and the window's rectangle.
#pragma once

#include <windows.h>

#include <cstdint>

namespace velmora::launcher {

// Screen position of the anchor in pixels; (0, 0) until the dialog sets it.
extern int16_t ZoomPointX;
extern int16_t ZoomPointY;

// From the anchor to the window's screen rectangle.
void Zoom_Open(HWND window);
// From the window's screen rectangle back to the anchor.
void Zoom_Close(HWND window);

} // namespace velmora::launcher

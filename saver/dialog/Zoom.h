// The window zoom animation of the settings dialog: an outline travelling between an anchor
// point (where the pointer was when the dialog loaded) and the window's rectangle.
#pragma once

#include <windows.h>

#include "base/Rect.h"

namespace velmora::dialog {

// From the anchor (zoomAnchor of core/DialogLayout.h) to the window's screen rectangle.
void Zoom_Open(HWND window, const base::PixelRect& anchor);
// From the window's screen rectangle back to the anchor.
void Zoom_Close(HWND window, const base::PixelRect& anchor);

} // namespace velmora::dialog

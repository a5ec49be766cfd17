// What the screen shows in a rectangle, read back for the Wine tests that check pixels.
#pragma once

#include <windows.h>

#include "saver/forms/core/PixelImage.h"

namespace velmora::testing {

// The screen's pixels inside `area` (screen coordinates), rows from the top; empty for an empty
// rectangle.
forms::PixelImage captureScreenArea(const RECT& area);
// The client area of a window as it shows on the screen.
forms::PixelImage captureClient(HWND window);

} // namespace velmora::testing

// Places of windows and windowless controls: the one conversion of a place in twips to pixels of
// the screen, and of a place in pixels to the platform's rectangle.
#pragma once

#include <windows.h>

#include "base/Rect.h"

namespace velmora::forms {

// At the screen's scale, each part rounded on its own.
base::PixelRect screenPixels(const base::TwipsRect& place);

RECT windowRect(const base::PixelRect& place);

// Moves and repaints the window; nothing while there is no window.
void moveWindow(HWND window, const base::PixelRect& place);

} // namespace velmora::forms

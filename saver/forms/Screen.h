// The screen as the forms know it: its scale in twips per pixel from its real dots per inch, its
// size, rectangles in twips turned into its pixels and into the platform's RECT, the
// application-wide mouse pointer, and the platform font of a font design at its scale.
#pragma once

#include <windows.h>

#include "base/Rect.h"
#include "saver/forms/core/FontDesign.h"

namespace velmora::forms {

double screenTwipsPerPixelX();
double screenTwipsPerPixelY();

struct TwipsSize {
    int width = 0;
    int height = 0;
};
// A size in pixels of this screen in twips.
TwipsSize twipsOfPixels(int width, int height);
TwipsSize screenSizeTwips();

// At the screen's scale, each part rounded on its own.
base::PixelRect screenPixels(const base::TwipsRect& rect);
RECT windowRect(const base::PixelRect& rect);
// Moves and repaints the window; nothing while there is no window.
void moveWindow(HWND window, const base::PixelRect& rect);

// While the screen's pointer is not the default it shows over every window of the program,
// whatever the window or control under the mouse would show.
enum class ScreenPointer { Default, Hourglass };
void setScreenPointer(ScreenPointer pointer);
// The pointer to show instead of a window's own, or null while the default is set.
HCURSOR screenPointerOverride();
// The system's standard arrow: the pointer of the forms' windows and of what has none of its own.
HCURSOR arrowPointer();

// A font of the design's character height on this screen; the caller deletes it.
HFONT createFont(const FontDesign& design);

} // namespace velmora::forms

// The zoom animation over DrawAnimatedRects (see Zoom.h). A window rectangle that cannot be
// read counts as all zero, so the outline then runs to or from the screen's top-left corner.
#include "saver/launcher/Zoom.h"

namespace velmora::launcher {

int16_t ZoomPointX = 0;
int16_t ZoomPointY = 0;

namespace {

RECT anchorRect() {
    return RECT{ZoomPointX, ZoomPointY, ZoomPointX, ZoomPointY};
}

RECT windowRect(HWND window) {
    RECT rect{};
    if (!GetWindowRect(window, &rect)) {
        rect = RECT{};
    }
    return rect;
}

} // namespace

void Zoom_Open(HWND window) {
    const RECT from = anchorRect();
    const RECT to = windowRect(window);
    DrawAnimatedRects(window, IDANI_CAPTION, &from, &to);
}

void Zoom_Close(HWND window) {
    const RECT from = windowRect(window);
    const RECT to = anchorRect();
    DrawAnimatedRects(window, IDANI_CAPTION, &from, &to);
}

} // namespace velmora::launcher

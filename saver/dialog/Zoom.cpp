// The zoom animation over DrawAnimatedRects (see Zoom.h). A window rectangle that cannot be
// read counts as all zero, so the outline then runs to or from the screen's top-left corner.
#include "saver/dialog/Zoom.h"

namespace velmora::dialog {

namespace {

RECT pointRect(POINT point) {
    return RECT{point.x, point.y, point.x, point.y};
}

RECT windowRect(HWND window) {
    RECT rect{};
    if (!GetWindowRect(window, &rect)) {
        rect = RECT{};
    }
    return rect;
}

} // namespace

void Zoom_Open(HWND window, POINT anchor) {
    const RECT from = pointRect(anchor);
    const RECT to = windowRect(window);
    DrawAnimatedRects(window, IDANI_CAPTION, &from, &to);
}

void Zoom_Close(HWND window, POINT anchor) {
    const RECT from = windowRect(window);
    const RECT to = pointRect(anchor);
    DrawAnimatedRects(window, IDANI_CAPTION, &from, &to);
}

} // namespace velmora::dialog

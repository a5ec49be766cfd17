// The zoom animation over DrawAnimatedRects (see Zoom.h). A window rectangle that cannot be
// read counts as all zero, so the outline then runs to or from the screen's top-left corner.
#include "saver/dialog/Zoom.h"

#include "saver/dialog/core/DialogLayout.h"
#include "saver/forms/WindowPlace.h"

namespace velmora::dialog {

namespace {

void zoom(HWND window, ZoomDirection direction, const base::PixelRect& anchor) {
    RECT screen{};
    if (!GetWindowRect(window, &screen)) {
        screen = RECT{};
    }
    const ZoomPath path =
        zoomPath(direction, anchor,
                 {screen.left, screen.top, screen.right - screen.left, screen.bottom - screen.top});
    const RECT from = forms::windowRect(path.from);
    const RECT to = forms::windowRect(path.to);
    DrawAnimatedRects(window, IDANI_CAPTION, &from, &to);
}

} // namespace

void Zoom_Open(HWND window, const base::PixelRect& anchor) {
    zoom(window, ZoomDirection::Open, anchor);
}

void Zoom_Close(HWND window, const base::PixelRect& anchor) {
    zoom(window, ZoomDirection::Close, anchor);
}

} // namespace velmora::dialog

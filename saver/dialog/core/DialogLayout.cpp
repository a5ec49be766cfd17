// Centring the settings dialog and the path of its zoom (see DialogLayout.h).
#include "saver/dialog/core/DialogLayout.h"

#include <cstdint>

namespace velmora::dialog {

TwipsPoint dialogCorner(int screenWidthTwips, int screenHeightTwips, int windowWidthTwips,
                        int windowHeightTwips) {
    return {(screenWidthTwips - windowWidthTwips) / 2, (screenHeightTwips - windowHeightTwips) / 3};
}

base::PixelRect zoomAnchor(std::optional<ScreenPoint> pointer) {
    if (!pointer) {
        return {};
    }
    return {static_cast<int16_t>(pointer->x), static_cast<int16_t>(pointer->y), 0, 0};
}

ZoomPath zoomPath(ZoomDirection direction, const base::PixelRect& anchor,
                  const base::PixelRect& window) {
    if (direction == ZoomDirection::Open) {
        return {anchor, window};
    }
    return {window, anchor};
}

} // namespace velmora::dialog

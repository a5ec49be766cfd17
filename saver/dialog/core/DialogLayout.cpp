// Pixel placement and centring of the settings dialog.
#include "saver/dialog/core/DialogLayout.h"

#include <cmath>

namespace velmora::dialog {

namespace {
int pixels(int twips, double twipsPerPixel) {
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}
} // namespace

PixelRect toPixels(const TwipsRect& twips, double twipsPerPixelX, double twipsPerPixelY) {
    return {pixels(twips.left, twipsPerPixelX), pixels(twips.top, twipsPerPixelY),
            pixels(twips.width, twipsPerPixelX), pixels(twips.height, twipsPerPixelY)};
}

TwipsPoint dialogCorner(int screenWidthTwips, int screenHeightTwips, int windowWidthTwips,
                        int windowHeightTwips) {
    return {(screenWidthTwips - windowWidthTwips) / 2, (screenHeightTwips - windowHeightTwips) / 3};
}

} // namespace velmora::dialog

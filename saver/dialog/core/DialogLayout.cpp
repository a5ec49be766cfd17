// Pixel placement and centring of the settings dialog.
#include "saver/dialog/core/DialogLayout.h"

#include "saver/forms/core/Twips.h"

namespace velmora::dialog {

PixelRect toPixels(const TwipsRect& twips, double twipsPerPixelX, double twipsPerPixelY) {
    return {pixelsFromTwips(twips.left, twipsPerPixelX), pixelsFromTwips(twips.top, twipsPerPixelY),
            pixelsFromTwips(twips.width, twipsPerPixelX),
            pixelsFromTwips(twips.height, twipsPerPixelY)};
}

TwipsPoint dialogCorner(int screenWidthTwips, int screenHeightTwips, int windowWidthTwips,
                        int windowHeightTwips) {
    return {(screenWidthTwips - windowWidthTwips) / 2, (screenHeightTwips - windowHeightTwips) / 3};
}

} // namespace velmora::dialog

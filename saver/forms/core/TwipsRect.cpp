// Twips rectangles in pixels (see TwipsRect.h).
#include "saver/forms/core/TwipsRect.h"

#include "saver/forms/core/Twips.h"

PixelRect toPixels(const TwipsRect& twips, double twipsPerPixelX, double twipsPerPixelY) {
    return {pixelsFromTwips(twips.left, twipsPerPixelX), pixelsFromTwips(twips.top, twipsPerPixelY),
            pixelsFromTwips(twips.width, twipsPerPixelX),
            pixelsFromTwips(twips.height, twipsPerPixelY)};
}

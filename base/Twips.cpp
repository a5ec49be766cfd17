// Twips and pixels (see Twips.h).
#include "base/Twips.h"

#include <cmath>

namespace velmora::base {

namespace {
constexpr double kTwipsPerInch = 1440.0;
constexpr int kDefaultDotsPerInch = 96;
} // namespace

double twipsPerPixelAt(int dotsPerInch) {
    if (dotsPerInch <= 0) {
        dotsPerInch = kDefaultDotsPerInch;
    }
    return kTwipsPerInch / dotsPerInch;
}

int pixelsFromTwips(double twips, double twipsPerPixel) {
    return static_cast<int>(std::nearbyint(twips / twipsPerPixel));
}

double twipsFromPixels(int pixels, double twipsPerPixel) {
    return std::nearbyint(pixels * twipsPerPixel);
}

PixelRect toPixels(const TwipsRect& twips, double twipsPerPixelX, double twipsPerPixelY) {
    return {pixelsFromTwips(twips.left, twipsPerPixelX), pixelsFromTwips(twips.top, twipsPerPixelY),
            pixelsFromTwips(twips.width, twipsPerPixelX),
            pixelsFromTwips(twips.height, twipsPerPixelY)};
}

} // namespace velmora::base

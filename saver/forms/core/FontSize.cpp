// Font heights in pixels (see FontSize.h).
#include "saver/forms/core/FontSize.h"

#include "saver/forms/core/Twips.h"

namespace {
constexpr double kTwipsPerPoint = 20.0;
} // namespace

int fontPixelHeight(double points, double twipsPerPixel) {
    return pixelsFromTwips(points * kTwipsPerPoint, twipsPerPixel);
}

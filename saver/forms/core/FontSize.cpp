// Font heights in pixels (see FontSize.h).
#include "saver/forms/core/FontSize.h"

#include "base/Twips.h"

namespace velmora::forms {

namespace {
constexpr double kTwipsPerPoint = 20.0;
} // namespace

int fontPixelHeight(double points, double twipsPerPixel) {
    return base::pixelsFromTwips(points * kTwipsPerPoint, twipsPerPixel);
}

} // namespace velmora::forms

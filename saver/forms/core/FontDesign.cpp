// The design font and font heights in pixels (see FontDesign.h).
#include "saver/forms/core/FontDesign.h"

#include "base/Twips.h"

namespace velmora::forms {

namespace {
constexpr double kTwipsPerPoint = 20.0;
} // namespace

FontDesign designFont() {
    return FontDesign{.name = "ＭＳ Ｐゴシック", .size = 9.75, .charset = 128, .weight = 400};
}

int fontPixelHeight(double points, double twipsPerPixel) {
    return base::pixelsFromTwips(points * kTwipsPerPoint, twipsPerPixel);
}

} // namespace velmora::forms

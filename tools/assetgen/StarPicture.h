// The star glint: a near-white core on black with faint rays along the horizontal and vertical,
// the picture every particle of the animation shows.
#pragma once

#include "tools/assetgen/Picture.h"

namespace velmora::assetgen {

inline constexpr int kStarSize = 32;
// The core pixel, counted from 0 at the top left.
inline constexpr int kStarCentre = 16;

// Grey level (0 to 255 scale, unrounded) of the glint at an offset from its core.
double starBrightness(double dx, double dy);

// The 32 x 32 star picture, core at (16, 16).
Picture makeStarPicture();

} // namespace velmora::assetgen

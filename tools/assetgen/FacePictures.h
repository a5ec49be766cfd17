// The six faces of the push button: 64 x 25 pictures whose 4-pixel border band (outer ring,
// frame and inner ring, with rounded corners) is what the button draws around its gradient.
#pragma once

#include "saver/button/core/FaceDrawing.h"
#include "tools/assetgen/Picture.h"

namespace velmora::assetgen {

inline constexpr int kFaceWidth = 64;
inline constexpr int kFaceHeight = 25;

Picture makeFacePicture(button::ButtonFace face);

} // namespace velmora::assetgen

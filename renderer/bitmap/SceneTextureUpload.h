// Turning a picture into the scene texture on the current GL context, whatever platform the
// picture came from.
#pragma once

#include "renderer/bitmap/core/RgbImage.h"

namespace velmora::bitmap {

// Makes a texture of the picture: three components, linear filtering, no mipmaps. Returns its
// GL name, which the caller keeps and deletes.
unsigned int uploadSceneTexture(const RgbImage& image);

} // namespace velmora::bitmap

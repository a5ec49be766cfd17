// Turning a picture into the scene texture on the current GL context, whatever platform the
// picture came from.
#pragma once

#include "renderer/bitmap/core/RgbImage.h"

namespace velmora::bitmap {

// Makes the scene texture from the picture: three components, linear filtering, no mipmaps.
void uploadSceneTexture(const RgbImage& image);

// The GL name of the scene texture, 0 before it is made.
unsigned int sceneTextureName();

} // namespace velmora::bitmap

// The picture of Velmora.dll's scene: the texture bitmap the saver left for the run.
#pragma once

#include <optional>

#include "renderer/bitmap/core/RgbImage.h"

namespace velmora::bitmap {

// Reads the texture bitmap from where the saver left it. Nothing when it cannot be had: quietly
// when there is no file, otherwise after the bitmap reader has shown its message.
std::optional<RgbImage> loadScenePicture();

} // namespace velmora::bitmap

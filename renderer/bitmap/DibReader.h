// Reads a Windows bitmap file of any common kind into packed 24-bit RGB rows through the
// platform's conversion, and Velmora.dll's scene picture: the texture bitmap the saver left.
#pragma once

#include "renderer/bitmap/core/RgbImage.h"

#include <optional>

namespace velmora::bitmap {

// Reports its own errors, at most one message per call (a null path as a file that cannot be
// opened); returns nothing after an error.
std::optional<RgbImage> readDibFile(const char* path);

// Nothing, without a message, for a null path or a file that cannot be opened for reading;
// otherwise the result of readDibFile.
std::optional<RgbImage> loadTextureBitmap(const char* path);

// Reads the texture bitmap from where the saver left it. Nothing when it cannot be had: quietly
// when there is no file, otherwise after the bitmap reader has shown its message.
std::optional<RgbImage> loadScenePicture();

} // namespace velmora::bitmap

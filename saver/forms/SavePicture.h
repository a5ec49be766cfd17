// Saving a picture as a Windows bitmap file (24 bits per pixel, uncompressed).
#pragma once

#include <string>

#include "saver/forms/core/PixelImage.h"

namespace velmora::forms {

// Writes image to path (UTF-8), replacing an existing file. False when the file could not be
// written completely; a partly written file is removed.
bool savePicture(const PixelImage& image, const std::string& path);

} // namespace velmora::forms

// Reads a Windows bitmap file of any common kind into packed 24-bit RGB rows through the
// platform's conversion.
#pragma once

#include "renderer/bitmap/core/RgbImage.h"

#include <optional>

namespace velmora::bitmap {

// Reports its own errors, at most one message per call (a null path as a file that cannot be
// opened); returns nothing after an error.
std::optional<RgbImage> readDibFile(const char* path);

} // namespace velmora::bitmap

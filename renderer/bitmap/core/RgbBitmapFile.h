// The pixels of an uncompressed 24-bit bitmap file held in memory, such as the star picture
// built into the Linux hack, read by the checked layout without the Windows conversion.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "renderer/bitmap/core/RgbImage.h"

namespace velmora::bitmap {

// Nothing for a damaged file or one of another kind (palette, bit fields, compression).
std::optional<RgbImage> readRgbBitmapFile(std::span<const std::uint8_t> file);

} // namespace velmora::bitmap

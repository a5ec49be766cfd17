// The pixels of an uncompressed 24-bit bitmap file held in memory, such as the star picture
// built into the hack, read without the Windows conversion.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "renderer/bitmap/core/RgbImage.h"

namespace velmora::x11 {

// Nothing for a damaged file or one of another kind (palette, bit fields, compression).
std::optional<bitmap::RgbImage> readRgbBitmapFile(std::span<const std::uint8_t> file);

} // namespace velmora::x11

// The star picture of the saver's assets, built into the hack so that it reads no file.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "renderer/bitmap/core/RgbImage.h"

namespace velmora::x11 {

// The whole bitmap file, saver/assets/star.bmp as it was at build time.
std::span<const std::uint8_t> starBitmapFile();

// The picture of that file, the hack's scene picture; nothing only if the build embedded a
// damaged file.
std::optional<bitmap::RgbImage> starPicture();

} // namespace velmora::x11

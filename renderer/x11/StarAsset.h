// The star picture of the saver's assets, built into the hack so that it reads no file.
#pragma once

#include <cstdint>
#include <span>

namespace velmora::x11 {

// The whole bitmap file, saver/assets/star.bmp as it was at build time.
std::span<const std::uint8_t> starBitmapFile();

} // namespace velmora::x11

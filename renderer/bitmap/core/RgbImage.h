// The reader's result, packed RGB rows bottom row first, and the copy that makes it from a
// 24-bit DIB section.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace velmora::bitmap {

struct RgbImage {
    int32_t width = 0;
    int32_t height = 0;          // always positive: rows are stored bottom-up
    std::vector<uint8_t> pixels; // width * height * 3 bytes: red, green, blue
};

// Bytes of one 24-bit section row: three per pixel, padded to four.
size_t sectionRowBytes(int32_t width);

// Copies the pixels of a 24-bit section (blue, green, red, rows padded to four bytes) into an
// RgbImage. A negative height marks a top-down section, whose rows are turned bottom-up.
// The section must hold |height| rows. Throws std::bad_alloc when the block cannot be had.
RgbImage copySectionRows(std::span<const uint8_t> section, int32_t width, int32_t height);

} // namespace velmora::bitmap

// A picture held in memory as plain pixels, and its encoding as an uncompressed Windows
// bitmap file: what a drawing surface hands out when its image is saved.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace velmora::forms {

struct PixelImage {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels; // 0x00RRGGBB, rows from the top, width * height of them

    uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// "BM" file header, 40-byte information header, 24 bits per pixel (blue, green, red), rows
// bottom-up and padded to four bytes. An image without pixels encodes as a 0 x 0 bitmap.
std::vector<uint8_t> encodeBmp24(const PixelImage& image);

} // namespace velmora::forms

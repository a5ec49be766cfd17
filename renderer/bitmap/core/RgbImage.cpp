// The row copy from a 24-bit section into packed bottom-up RGB rows.
#include "renderer/bitmap/core/RgbImage.h"

#include <cstdlib>

namespace velmora::bitmap {

size_t sectionRowBytes(int32_t width) {
    return (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
}

RgbImage copySectionRows(std::span<const uint8_t> section, int32_t width, int32_t height) {
    RgbImage image;
    image.width = width;
    image.height = std::abs(height);
    const size_t rows = static_cast<size_t>(image.height);
    const size_t outRow = static_cast<size_t>(width) * 3;
    const size_t inRow = sectionRowBytes(width);
    image.pixels.resize(rows * outRow);
    for (size_t row = 0; row < rows; ++row) {
        const size_t source = height < 0 ? rows - 1 - row : row;
        const auto in = section.subspan(source * inRow, outRow);
        uint8_t* out = image.pixels.data() + row * outRow;
        for (size_t x = 0; x < outRow; x += 3) {
            out[x] = in[x + 2];
            out[x + 1] = in[x + 1];
            out[x + 2] = in[x];
        }
    }
    return image;
}

} // namespace velmora::bitmap

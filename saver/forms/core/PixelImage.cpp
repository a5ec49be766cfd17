// Encoding a PixelImage as a 24-bit Windows bitmap file (see PixelImage.h).
#include "saver/forms/core/PixelImage.h"

namespace {

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint16_t kBitsPerPixel = 24;
constexpr int32_t kPixelsPerMetre96Dpi = 3780;

void put16(std::vector<uint8_t>& out, uint16_t value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

void put32(std::vector<uint8_t>& out, uint32_t value) {
    put16(out, static_cast<uint16_t>(value));
    put16(out, static_cast<uint16_t>(value >> 16));
}

} // namespace

std::vector<uint8_t> encodeBmp24(const PixelImage& image) {
    const bool complete =
        image.width > 0 && image.height > 0 &&
        image.pixels.size() == static_cast<std::size_t>(image.width) * image.height;
    const uint32_t width = complete ? image.width : 0;
    const uint32_t height = complete ? image.height : 0;
    const uint32_t stride = (width * 3 + 3) & ~3u;
    const uint32_t dataSize = stride * height;
    const uint32_t offset = kFileHeaderSize + kInfoHeaderSize;

    std::vector<uint8_t> out;
    out.reserve(offset + dataSize);
    out.push_back('B');
    out.push_back('M');
    put32(out, offset + dataSize);
    put32(out, 0); // two reserved words
    put32(out, offset);

    put32(out, kInfoHeaderSize);
    put32(out, width);
    put32(out, height); // positive: bottom-up rows
    put16(out, 1);      // planes
    put16(out, kBitsPerPixel);
    put32(out, 0); // BI_RGB, uncompressed
    put32(out, dataSize);
    put32(out, kPixelsPerMetre96Dpi);
    put32(out, kPixelsPerMetre96Dpi);
    put32(out, 0); // colours used
    put32(out, 0); // colours important

    for (uint32_t row = height; row-- > 0;) {
        for (uint32_t x = 0; x < width; ++x) {
            const uint32_t rgb = image.at(static_cast<int>(x), static_cast<int>(row));
            out.push_back(static_cast<uint8_t>(rgb));       // blue
            out.push_back(static_cast<uint8_t>(rgb >> 8));  // green
            out.push_back(static_cast<uint8_t>(rgb >> 16)); // red
        }
        out.insert(out.end(), stride - width * 3, 0);
    }
    return out;
}

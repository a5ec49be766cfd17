// The Windows bitmap file's byte layout: the file header, the 40-byte information header and the
// 12-byte core header, read and written field by field, and whole uncompressed 24-bit files.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace velmora::base {

constexpr uint32_t kBmpFileHeaderSize = 14;
constexpr uint32_t kBmpInfoHeaderSize = 40;
constexpr uint32_t kBmpCoreHeaderSize = 12;
constexpr int32_t kBmpPelsPerMetre96Dpi = 3780;

// Values of the compression field.
enum BmpCompression : uint32_t { kBmpRgb = 0, kBmpRle8 = 1, kBmpRle4 = 2, kBmpBitFields = 3 };

// "BM", the size of the whole file, two reserved words and where the pixels start.
struct BmpFileHeader {
    uint32_t fileSize = 0;
    uint32_t pixelOffset = 0;
};

// Either header kind by its size field; a core header holds only width to bitCount, in 16 bits.
struct BmpInfoHeader {
    uint32_t size = kBmpInfoHeaderSize;
    int32_t width = 0;
    int32_t height = 0; // positive: rows bottom-up
    uint16_t planes = 0;
    uint16_t bitCount = 0;
    uint32_t compression = kBmpRgb;
    uint32_t imageSize = 0;
    int32_t xPelsPerMeter = 0;
    int32_t yPelsPerMeter = 0;
    uint32_t coloursUsed = 0;
    uint32_t coloursImportant = 0;
};

// Reading needs the header's bytes to be there: the file header's 14 from the file's start, a
// core header's 12 or an information header's 40 from header's start.
bool startsWithBmpFileHeader(std::span<const uint8_t> file);
BmpFileHeader readBmpFileHeader(std::span<const uint8_t> file);
BmpInfoHeader readBmpInfoHeader(std::span<const uint8_t> header);

void appendBmpFileHeader(std::vector<uint8_t>& out, const BmpFileHeader& header);
// A core header when header.size is 12, otherwise the 40 bytes of an information header (its size
// field as given).
void appendBmpInfoHeader(std::vector<uint8_t>& out, const BmpInfoHeader& header);

// Bytes of one uncompressed row, padded to four bytes; 64 bits, so no header value wraps it.
uint64_t bmpRowStride(int64_t width, uint16_t bitCount);

// Colour 0x00RRGGBB of a pixel counted from the top row.
using RgbAt = std::function<uint32_t(int x, int y)>;

// A whole uncompressed 24-bit file of info.width x info.height pixels (other sizes, bit count
// and compression fields filled in): file header, information header, rows bottom-up.
std::vector<uint8_t> encodeBmp24File(BmpInfoHeader info, const RgbAt& rgbAt);

// The pixel (x, y), counted from the top row, of bottom-up 24-bit rows starting at rows[0].
uint32_t bmp24PixelAt(std::span<const uint8_t> rows, int32_t width, int32_t height, int x, int y);

} // namespace velmora::base

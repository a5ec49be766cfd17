// Field offsets of the bitmap headers, and the 24-bit row order: blue, green, red, bottom row
// first, each row padded to four bytes.
#include "base/BmpFile.h"

#include "base/LittleEndian.h"

namespace velmora::base {

bool startsWithBmpFileHeader(std::span<const uint8_t> file) {
    return file.size() >= 2 && file[0] == 'B' && file[1] == 'M';
}

BmpFileHeader readBmpFileHeader(std::span<const uint8_t> file) {
    return {readLe32(file, 2), readLe32(file, 10)};
}

BmpInfoHeader readBmpInfoHeader(std::span<const uint8_t> h) {
    BmpInfoHeader header;
    header.size = readLe32(h, 0);
    if (header.size == kBmpCoreHeaderSize) {
        header.width = readLe16(h, 4);
        header.height = readLe16(h, 6);
        header.planes = readLe16(h, 8);
        header.bitCount = readLe16(h, 10);
        return header;
    }
    header.width = static_cast<int32_t>(readLe32(h, 4));
    header.height = static_cast<int32_t>(readLe32(h, 8));
    header.planes = readLe16(h, 12);
    header.bitCount = readLe16(h, 14);
    header.compression = readLe32(h, 16);
    header.imageSize = readLe32(h, 20);
    header.xPelsPerMeter = static_cast<int32_t>(readLe32(h, 24));
    header.yPelsPerMeter = static_cast<int32_t>(readLe32(h, 28));
    header.coloursUsed = readLe32(h, 32);
    header.coloursImportant = readLe32(h, 36);
    return header;
}

void appendBmpFileHeader(std::vector<uint8_t>& out, const BmpFileHeader& header) {
    out.push_back('B');
    out.push_back('M');
    appendLe32(out, header.fileSize);
    appendLe32(out, 0);
    appendLe32(out, header.pixelOffset);
}

void appendBmpInfoHeader(std::vector<uint8_t>& out, const BmpInfoHeader& h) {
    appendLe32(out, h.size);
    if (h.size == kBmpCoreHeaderSize) {
        appendLe16(out, static_cast<uint16_t>(h.width));
        appendLe16(out, static_cast<uint16_t>(h.height));
        appendLe16(out, h.planes);
        appendLe16(out, h.bitCount);
        return;
    }
    appendLe32(out, static_cast<uint32_t>(h.width));
    appendLe32(out, static_cast<uint32_t>(h.height));
    appendLe16(out, h.planes);
    appendLe16(out, h.bitCount);
    for (const uint32_t field :
         {h.compression, h.imageSize, static_cast<uint32_t>(h.xPelsPerMeter),
          static_cast<uint32_t>(h.yPelsPerMeter), h.coloursUsed, h.coloursImportant}) {
        appendLe32(out, field);
    }
}

uint64_t bmpRowStride(int64_t width, uint16_t bitCount) {
    return (static_cast<uint64_t>(width) * bitCount + 31) / 32 * 4;
}

std::vector<uint8_t> encodeBmp24File(BmpInfoHeader info, const RgbAt& rgbAt) {
    const auto stride = static_cast<uint32_t>(bmpRowStride(info.width, 24));
    info.size = kBmpInfoHeaderSize;
    info.planes = 1;
    info.bitCount = 24;
    info.compression = kBmpRgb;
    info.imageSize = stride * static_cast<uint32_t>(info.height);
    const uint32_t offset = kBmpFileHeaderSize + kBmpInfoHeaderSize;

    std::vector<uint8_t> out;
    out.reserve(offset + info.imageSize);
    appendBmpFileHeader(out, {offset + info.imageSize, offset});
    appendBmpInfoHeader(out, info);
    for (int y = info.height - 1; y >= 0; --y) {
        const size_t rowStart = out.size();
        for (int x = 0; x < info.width; ++x) {
            const uint32_t rgb = rgbAt(x, y);
            out.insert(out.end(), {static_cast<uint8_t>(rgb), static_cast<uint8_t>(rgb >> 8),
                                   static_cast<uint8_t>(rgb >> 16)});
        }
        out.resize(rowStart + stride, 0);
    }
    return out;
}

uint32_t bmp24PixelAt(std::span<const uint8_t> rows, int32_t width, int32_t height, int x, int y) {
    const uint64_t at = bmpRowStride(width, 24) * static_cast<uint64_t>(height - 1 - y) +
                        static_cast<uint64_t>(x) * 3;
    const auto pixel = rows.subspan(static_cast<size_t>(at), 3);
    return uint32_t{pixel[2]} << 16 | uint32_t{pixel[1]} << 8 | pixel[0];
}

} // namespace velmora::base

// The bitmap, icon and cursor file layouts.
#include "tools/assetgen/PictureFiles.h"

#include "base/BmpFile.h"
#include "base/LittleEndian.h"

namespace velmora::assetgen {

namespace {

constexpr std::uint32_t kDirectoryHeaderSize = 6;
constexpr std::uint32_t kDirectoryEntrySize = 16;

base::BmpInfoHeader infoHeader(int width, int storedHeight, int bitsPerPixel) {
    base::BmpInfoHeader info;
    info.width = width;
    info.height = storedHeight;
    info.planes = 1;
    info.bitCount = static_cast<std::uint16_t>(bitsPerPixel);
    info.xPelsPerMeter = base::kBmpPelsPerMetre96Dpi;
    info.yPelsPerMeter = base::kBmpPelsPerMetre96Dpi;
    return info;
}

// The image part of an icon or cursor: information header of twice the height (colour plus
// mask), 32-bit colour rows, then the 1-bit AND mask rows, both bottom-up.
Bytes encodeIconImage(const Picture& picture) {
    const int width = picture.width();
    const int height = picture.height();
    const auto maskRow = static_cast<std::uint32_t>(base::bmpRowStride(width, 1));
    const std::uint32_t colourBytes = static_cast<std::uint32_t>(width * height * 4);
    base::BmpInfoHeader info = infoHeader(width, height * 2, 32);
    info.imageSize = colourBytes + maskRow * height;
    Bytes out;
    base::appendBmpInfoHeader(out, info);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const Rgba& p = picture.at(x, y);
            out.insert(out.end(), {p.blue, p.green, p.red, p.alpha});
        }
    }
    for (int y = height - 1; y >= 0; --y) {
        Bytes row(maskRow, 0);
        for (int x = 0; x < width; ++x) {
            if (picture.at(x, y).alpha < 128) {
                row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

// Icon and cursor files differ only in the type word and in what the two middle words of the
// directory entry hold: planes and bit count for an icon, the hot spot for a cursor.
Bytes encodeIconDirectory(const Picture& picture, std::uint16_t type, std::uint16_t word1,
                          std::uint16_t word2) {
    const Bytes image = encodeIconImage(picture);
    Bytes out;
    base::appendLe16(out, 0);
    base::appendLe16(out, type);
    base::appendLe16(out, 1); // one image
    out.push_back(static_cast<std::uint8_t>(picture.width()));
    out.push_back(static_cast<std::uint8_t>(picture.height()));
    out.push_back(0); // no palette
    out.push_back(0);
    base::appendLe16(out, word1);
    base::appendLe16(out, word2);
    base::appendLe32(out, static_cast<std::uint32_t>(image.size()));
    base::appendLe32(out, kDirectoryHeaderSize + kDirectoryEntrySize);
    out.insert(out.end(), image.begin(), image.end());
    return out;
}

} // namespace

Bytes encodeBitmapFile(const Picture& picture) {
    return base::encodeBmp24File(
        infoHeader(picture.width(), picture.height(), 24), [&](int x, int y) {
            const Rgba& p = picture.at(x, y);
            return std::uint32_t{p.red} << 16 | std::uint32_t{p.green} << 8 | p.blue;
        });
}

Bytes encodeIconFile(const Picture& picture) {
    return encodeIconDirectory(picture, 1, 1, 32);
}

Bytes encodeCursorFile(const Picture& picture, int hotX, int hotY) {
    return encodeIconDirectory(picture, 2, static_cast<std::uint16_t>(hotX),
                               static_cast<std::uint16_t>(hotY));
}

} // namespace velmora::assetgen

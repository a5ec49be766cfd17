// The bitmap, icon and cursor file layouts.
#include "tools/assetgen/PictureFiles.h"

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kDirectoryHeaderSize = 6;
constexpr std::uint32_t kDirectoryEntrySize = 16;

std::uint32_t paddedRowBytes(int width, int bitsPerPixel) {
    return ((static_cast<std::uint32_t>(width * bitsPerPixel) + 31) / 32) * 4;
}

void writeInfoHeader(ByteWriter& w, int width, int storedHeight, int bitsPerPixel,
                     std::uint32_t imageBytes) {
    w.u32(kInfoHeaderSize);
    w.u32(static_cast<std::uint32_t>(width));
    w.u32(static_cast<std::uint32_t>(storedHeight));
    w.u16(1); // planes
    w.u16(static_cast<std::uint32_t>(bitsPerPixel));
    w.u32(0); // no compression
    w.u32(imageBytes);
    w.u32(3780); // 96 dots per inch, in dots per metre
    w.u32(3780);
    w.u32(0);
    w.u32(0);
}

// The image part of an icon or cursor: information header of twice the height (colour plus
// mask), 32-bit colour rows, then the 1-bit AND mask rows, both bottom-up.
Bytes encodeIconImage(const Picture& picture) {
    const int width = picture.width();
    const int height = picture.height();
    const std::uint32_t maskRow = paddedRowBytes(width, 1);
    const std::uint32_t colourBytes = static_cast<std::uint32_t>(width * height * 4);
    Bytes out;
    ByteWriter w(out);
    writeInfoHeader(w, width, height * 2, 32, colourBytes + maskRow * height);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const Rgba& p = picture.at(x, y);
            w.u8(p.blue);
            w.u8(p.green);
            w.u8(p.red);
            w.u8(p.alpha);
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
Bytes encodeIconDirectory(const Picture& picture, std::uint32_t type, std::uint32_t word1,
                          std::uint32_t word2) {
    const Bytes image = encodeIconImage(picture);
    Bytes out;
    ByteWriter w(out);
    w.u16(0);
    w.u16(type);
    w.u16(1); // one image
    w.u8(static_cast<std::uint32_t>(picture.width()) & 0xFF);
    w.u8(static_cast<std::uint32_t>(picture.height()) & 0xFF);
    w.u8(0); // no palette
    w.u8(0);
    w.u16(word1);
    w.u16(word2);
    w.u32(static_cast<std::uint32_t>(image.size()));
    w.u32(kDirectoryHeaderSize + kDirectoryEntrySize);
    out.insert(out.end(), image.begin(), image.end());
    return out;
}

} // namespace

Bytes encodeBitmapFile(const Picture& picture) {
    const std::uint32_t rowBytes = paddedRowBytes(picture.width(), 24);
    const std::uint32_t imageBytes = rowBytes * static_cast<std::uint32_t>(picture.height());
    const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize;
    Bytes out;
    ByteWriter w(out);
    w.u8('B');
    w.u8('M');
    w.u32(offset + imageBytes);
    w.u32(0);
    w.u32(offset);
    writeInfoHeader(w, picture.width(), picture.height(), 24, imageBytes);
    for (int y = picture.height() - 1; y >= 0; --y) {
        const std::size_t rowStart = out.size();
        for (int x = 0; x < picture.width(); ++x) {
            const Rgba& p = picture.at(x, y);
            w.u8(p.blue);
            w.u8(p.green);
            w.u8(p.red);
        }
        out.resize(rowStart + rowBytes, 0);
    }
    return out;
}

Bytes encodeIconFile(const Picture& picture) {
    return encodeIconDirectory(picture, 1, 1, 32);
}

Bytes encodeCursorFile(const Picture& picture, int hotX, int hotY) {
    return encodeIconDirectory(picture, 2, static_cast<std::uint32_t>(hotX),
                               static_cast<std::uint32_t>(hotY));
}

// Writes small bitmap files byte by byte for the reader tests, including deliberately damaged
// ones: every header field can be set freely.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

struct BmpFields {
    bool fileHeader = true;
    uint32_t headerSize = 40; // 12 writes a core header; any other size pads with zeros
    int32_t width = 1;
    int32_t height = 1;
    uint16_t planes = 1;
    uint16_t bitCount = 24;
    uint32_t compression = 0;
    uint32_t imageSize = 0;
    uint32_t colorsUsed = 0;
    std::vector<uint32_t> masks;   // written right after the header
    std::vector<uint32_t> palette; // 0x00RRGGBB, three or four bytes each by header kind
    std::vector<uint8_t> pixels;   // as stored in the file
    int64_t offBitsAdjust = 0;     // added to the true pixel offset in the file header
};

inline void appendLe(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
    }
}

inline std::vector<uint8_t> buildBmp(const BmpFields& s) {
    std::vector<uint8_t> info;
    appendLe(info, s.headerSize, 4);
    if (s.headerSize == 12) {
        appendLe(info, static_cast<uint32_t>(s.width), 2);
        appendLe(info, static_cast<uint32_t>(s.height), 2);
        appendLe(info, s.planes, 2);
        appendLe(info, s.bitCount, 2);
    } else {
        for (uint32_t v : {static_cast<uint32_t>(s.width), static_cast<uint32_t>(s.height)}) {
            appendLe(info, v, 4);
        }
        appendLe(info, s.planes, 2);
        appendLe(info, s.bitCount, 2);
        for (uint32_t v : {s.compression, s.imageSize, 2835u, 2835u, s.colorsUsed, 0u}) {
            appendLe(info, v, 4);
        }
        info.resize(s.headerSize, 0);
    }
    for (uint32_t mask : s.masks) {
        appendLe(info, mask, 4);
    }
    for (uint32_t colour : s.palette) {
        appendLe(info, colour, s.headerSize == 12 ? 3 : 4);
    }
    std::vector<uint8_t> file;
    if (s.fileHeader) {
        const uint32_t offBits = static_cast<uint32_t>(14 + info.size() + s.offBitsAdjust);
        file.push_back('B');
        file.push_back('M');
        appendLe(file, static_cast<uint32_t>(14 + info.size() + s.pixels.size()), 4);
        appendLe(file, 0, 4);
        appendLe(file, offBits, 4);
    }
    file.insert(file.end(), info.begin(), info.end());
    file.insert(file.end(), s.pixels.begin(), s.pixels.end());
    return file;
}

// Packed RGB rows without padding, from a colour function of the row and column: what the reader
// gives for a bottom-up file of bgrRows with the same function.
inline std::vector<uint8_t> rgbRows(int width, int rows,
                                    const std::function<uint32_t(int row, int x)>& rgb) {
    std::vector<uint8_t> out;
    for (int row = 0; row < rows; ++row) {
        for (int x = 0; x < width; ++x) {
            const uint32_t c = rgb(row, x);
            out.insert(out.end(), {uint8_t(c >> 16), uint8_t(c >> 8), uint8_t(c)});
        }
    }
    return out;
}

// 24-bit rows as stored in a file (blue, green, red, padded to four bytes), from a colour
// function of the stored row and column.
inline std::vector<uint8_t> bgrRows(int width, int rows,
                                    const std::function<uint32_t(int row, int x)>& rgb) {
    const std::vector<uint8_t> packed = rgbRows(width, rows, rgb);
    const size_t rowBytes = static_cast<size_t>(width) * 3;
    std::vector<uint8_t> out;
    for (size_t start = 0; start < packed.size(); start += rowBytes) {
        for (size_t i = start; i < start + rowBytes; i += 3) {
            out.insert(out.end(), {packed[i + 2], packed[i + 1], packed[i]});
        }
        out.resize((out.size() + 3) & ~size_t{3}, 0);
    }
    return out;
}

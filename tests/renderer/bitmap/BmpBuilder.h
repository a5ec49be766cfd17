// Writes small bitmap files byte by byte for the reader tests, including deliberately damaged
// ones: every header field can be set freely.
#pragma once

#include "base/BmpFile.h"
#include "base/LittleEndian.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace velmora::bitmap {

// The header fields as written, size included (12 writes a core header; any other size pads
// the 40 bytes with zeros or cuts them), and what follows them.
struct BmpFields : base::BmpInfoHeader {
    BmpFields() {
        width = 1;
        height = 1;
        planes = 1;
        bitCount = 24;
        xPelsPerMeter = 2835;
        yPelsPerMeter = 2835;
    }

    bool fileHeader = true;
    std::vector<uint32_t> masks;   // written right after the header
    std::vector<uint32_t> palette; // 0x00RRGGBB, three or four bytes each by header kind
    std::vector<uint8_t> pixels;   // as stored in the file
    int64_t offBitsAdjust = 0;     // added to the true pixel offset in the file header
};

inline std::vector<uint8_t> buildBmp(const BmpFields& s) {
    const bool core = s.size == base::kBmpCoreHeaderSize;
    std::vector<uint8_t> info;
    base::appendBmpInfoHeader(info, s);
    if (!core) {
        info.resize(s.size, 0);
    }
    for (uint32_t mask : s.masks) {
        base::appendLe32(info, mask);
    }
    for (uint32_t colour : s.palette) {
        base::appendLe32(info, colour);
        if (core) {
            info.pop_back();
        }
    }
    std::vector<uint8_t> file;
    if (s.fileHeader) {
        const auto offBits = static_cast<uint32_t>(14 + info.size() + s.offBitsAdjust);
        base::appendBmpFileHeader(
            file, {static_cast<uint32_t>(14 + info.size() + s.pixels.size()), offBits});
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

// A colour of every stored row and column that tells them apart.
inline uint32_t gradient(int row, int x) {
    return static_cast<uint32_t>(0x10 * (row + 1)) << 16 | static_cast<uint32_t>(0x20 + x) << 8 |
           static_cast<uint32_t>(0x30 + row * 4 + x);
}

// A well-formed 24-bit bitmap of the gradient; a negative height stores it top-down.
inline BmpFields rgb24(int32_t width, int32_t height) {
    BmpFields s;
    s.width = width;
    s.height = height;
    s.pixels = bgrRows(width, height < 0 ? -height : height, gradient);
    return s;
}

// The fields after one change, for the damaged variants of a good file.
template <typename Change> BmpFields with(BmpFields s, Change change) {
    change(s);
    return s;
}

} // namespace velmora::bitmap

// Where the parts of a bitmap file lie: header, bit-field masks, colour table and pixel data.
// Every range is checked against the file, so the conversion never reads outside it.
#pragma once

#include "renderer/bitmap/core/DibHeader.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace velmora::bitmap {

// Largest picture the reader converts; beyond it the two 24-bit copies would be absurd.
constexpr int64_t kMaxDibPixels = int64_t{1} << 24;

struct DibLayout {
    DibHeader header;
    size_t headerOffset = 0;
    size_t maskOffset = 0; // three 32-bit masks when maskCount is 3
    size_t maskCount = 0;
    size_t colourTableOffset = 0;
    size_t colourEntrySize = 4; // 3 for the core header
    uint16_t colourCount = 0;
    size_t pixelOffset = 0;
    size_t pixelBytes = 0; // what the conversion may read from pixelOffset on
};

// Reads the headers of a file held in memory (with or without the "BM" file header) and checks
// that everything they imply lies inside it. Returns DibError::None and fills layout on success.
DibError readDibLayout(std::span<const uint8_t> file, DibLayout& layout);

} // namespace velmora::bitmap

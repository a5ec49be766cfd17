// Where the parts of a bitmap file lie: header, bit-field masks, colour table and pixel data.
// Every range is checked against the file, so the conversion never reads outside it. With it the
// header fields the reader works with, the colour-table size rule, the reader's outcomes with
// their message texts, and the working header handed to the platform conversion, built from a
// checked layout whatever header kind the file has.
#pragma once

#include "base/BmpFile.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::bitmap {

// Either header kind, with the core header's 16-bit sizes widened.
using DibHeader = base::BmpInfoHeader;

// Number of colour-table entries the file carries after the header.
uint16_t dibColourCount(const DibHeader& header);

enum class DibError { None, OpenFailed, UnknownFormat, OutOfMemory, ConversionError };

// The message box text for an outcome; path fills in the open failure.
std::string dibErrorText(DibError error, std::string_view path);

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

// Layout of the block: the 40-byte info header; the three bit-field masks when the file has
// them; colourCount four-byte entries (blue, green, red, 0); four spare bytes. The image size and
// colours-used fields describe exactly what the layout checked, so the conversion reads no more.
// Throws std::bad_alloc when the block cannot be had.
std::vector<uint8_t> buildWorkingHeader(std::span<const uint8_t> file, const DibLayout& layout);

} // namespace velmora::bitmap

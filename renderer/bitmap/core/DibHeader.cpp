// The colour-table size rule and the reader's message texts.
#include "renderer/bitmap/core/DibHeader.h"

namespace velmora::bitmap {

namespace {

struct ErrorText {
    DibError error;
    std::string_view text;
};

constexpr ErrorText kFixedTexts[] = {
    {DibError::UnknownFormat, "Unknown DIB file format."},
    {DibError::OutOfMemory, "Out of memory."},
    {DibError::ConversionError, "Image file conversion error."},
};

} // namespace

uint16_t dibColourCount(const DibHeader& header) {
    if (header.size != base::kBmpCoreHeaderSize && header.coloursUsed != 0) {
        return static_cast<uint16_t>(header.coloursUsed);
    }
    // Only the palette depths have a table: one entry for each value a pixel can take.
    const uint16_t bits = header.bitCount;
    return bits == 1 || bits == 4 || bits == 8 ? static_cast<uint16_t>(1u << bits) : 0;
}

std::string dibErrorText(DibError error, std::string_view path) {
    if (error == DibError::OpenFailed) {
        return "Failed to open DIB file " + std::string(path) + ".\n";
    }
    for (const ErrorText& entry : kFixedTexts) {
        if (entry.error == error) {
            return std::string(entry.text);
        }
    }
    return {};
}

} // namespace velmora::bitmap

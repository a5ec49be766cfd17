// The colour-table size rule and the reader's message texts.
#include "renderer/bitmap/DibHeader.h"

uint16_t dibColorCount(const DibHeader& header) {
    if (header.size != kCoreHeaderSize && header.colorsUsed != 0) {
        return static_cast<uint16_t>(header.colorsUsed);
    }
    switch (header.bitCount) {
    case 1:
        return 2;
    case 4:
        return 16;
    case 8:
        return 256;
    default:
        return 0;
    }
}

std::string dibErrorText(DibError error, std::string_view path) {
    switch (error) {
    case DibError::OpenFailed:
        return "Failed to open DIB file " + std::string(path) + ".\n";
    case DibError::UnknownFormat:
        return "Unknown DIB file format.";
    case DibError::OutOfMemory:
        return "Out of memory.";
    case DibError::ConversionError:
        return "Image file conversion error.";
    case DibError::None:
        break;
    }
    return {};
}

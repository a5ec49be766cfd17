// The bitmap header fields the reader works with, the colour-table size rule, and the reader's
// outcomes with their message texts.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Header sizes the reader accepts: the 40-byte info header and the 12-byte core header.
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kCoreHeaderSize = 12;

constexpr uint32_t kCompressionRgb = 0;
constexpr uint32_t kCompressionRle8 = 1;
constexpr uint32_t kCompressionRle4 = 2;
constexpr uint32_t kCompressionBitFields = 3;

// Either header kind, with the core header's 16-bit sizes widened.
struct DibHeader {
    uint32_t size = 0;
    int32_t width = 0;
    int32_t height = 0;
    uint16_t planes = 0;
    uint16_t bitCount = 0;
    uint32_t compression = kCompressionRgb;
    uint32_t imageSize = 0;
    int32_t xPelsPerMeter = 0;
    int32_t yPelsPerMeter = 0;
    uint32_t colorsUsed = 0;
    uint32_t colorsImportant = 0;
};

// Number of colour-table entries the file carries after the header.
uint16_t dibColorCount(const DibHeader& header);

enum class DibError { None, OpenFailed, UnknownFormat, OutOfMemory, ConversionError };

// The message box text for an outcome; path fills in the open failure.
std::string dibErrorText(DibError error, std::string_view path);

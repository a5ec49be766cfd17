// The bitmap header fields the reader works with, the colour-table size rule, and the reader's
// outcomes with their message texts.
#pragma once

#include "base/BmpFile.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace velmora::bitmap {

// Either header kind, with the core header's 16-bit sizes widened.
using DibHeader = base::BmpInfoHeader;

// Number of colour-table entries the file carries after the header.
uint16_t dibColourCount(const DibHeader& header);

enum class DibError { None, OpenFailed, UnknownFormat, OutOfMemory, ConversionError };

// The message box text for an outcome; path fills in the open failure.
std::string dibErrorText(DibError error, std::string_view path);

} // namespace velmora::bitmap

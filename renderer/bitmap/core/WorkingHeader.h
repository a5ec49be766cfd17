// The 40-byte header, masks and colour table handed to the platform conversion, built from a
// checked layout whatever header kind the file has.
#pragma once

#include "renderer/bitmap/core/DibLayout.h"

#include <cstdint>
#include <span>
#include <vector>

namespace velmora::bitmap {

// Layout of the block: the 40-byte info header; the three bit-field masks when the file has
// them; colourCount four-byte entries (blue, green, red, 0); four spare bytes. The image size and
// colours-used fields describe exactly what the layout checked, so the conversion reads no more.
// Throws std::bad_alloc when the block cannot be had.
std::vector<uint8_t> buildWorkingHeader(std::span<const uint8_t> file, const DibLayout& layout);

} // namespace velmora::bitmap

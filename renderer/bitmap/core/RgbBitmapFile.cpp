// Reads a 24-bit bitmap through the checked layout and the shared row copy.
#include "renderer/bitmap/core/RgbBitmapFile.h"

#include "renderer/bitmap/core/DibLayout.h"

namespace velmora::bitmap {

std::optional<RgbImage> readRgbBitmapFile(std::span<const std::uint8_t> file) {
    DibLayout layout;
    if (readDibLayout(file, layout) != DibError::None || layout.header.bitCount != 24 ||
        layout.header.compression != base::kBmpRgb) {
        return std::nullopt;
    }
    // The layout has checked that every padded row lies inside the file.
    return copySectionRows(file.subspan(layout.pixelOffset, layout.pixelBytes), layout.header.width,
                           layout.header.height);
}

} // namespace velmora::bitmap

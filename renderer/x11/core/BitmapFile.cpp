// Reads a 24-bit bitmap through the checked layout and the shared row copy.
#include "renderer/x11/core/BitmapFile.h"

#include "renderer/bitmap/core/DibLayout.h"

namespace velmora::x11 {

std::optional<bitmap::RgbImage> readRgbBitmapFile(std::span<const std::uint8_t> file) {
    bitmap::DibLayout layout;
    if (readDibLayout(file, layout) != bitmap::DibError::None || layout.header.bitCount != 24 ||
        layout.header.compression != base::kBmpRgb) {
        return std::nullopt;
    }
    // The layout has checked that every padded row lies inside the file.
    return bitmap::copySectionRows(file.subspan(layout.pixelOffset, layout.pixelBytes),
                                   layout.header.width, layout.header.height);
}

} // namespace velmora::x11

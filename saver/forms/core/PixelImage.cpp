// Encoding a PixelImage as a 24-bit Windows bitmap file (see PixelImage.h).
#include "saver/forms/core/PixelImage.h"

#include "base/BmpFile.h"

namespace velmora::forms {

std::vector<uint8_t> encodeBmp24(const PixelImage& image) {
    const bool complete =
        image.width > 0 && image.height > 0 &&
        image.pixels.size() == static_cast<std::size_t>(image.width) * image.height;
    base::BmpInfoHeader info;
    info.width = complete ? image.width : 0;
    info.height = complete ? image.height : 0;
    info.xPelsPerMeter = base::kBmpPelsPerMetre96Dpi;
    info.yPelsPerMeter = base::kBmpPelsPerMetre96Dpi;
    return base::encodeBmp24File(info, [&image](int x, int y) { return image.at(x, y); });
}

} // namespace velmora::forms

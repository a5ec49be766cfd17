// The hack's scene picture: the embedded star, read as the saver's bitmap file.
#include "renderer/x11/StarAsset.h"

#include "renderer/bitmap/core/RgbBitmapFile.h"

namespace velmora::x11 {

std::optional<bitmap::RgbImage> starPicture() {
    return bitmap::readRgbBitmapFile(starBitmapFile());
}

} // namespace velmora::x11

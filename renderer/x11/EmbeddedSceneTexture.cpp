// The hack's scene texture: the embedded star picture, uploaded like the Windows bitmap. It
// supplies the bitmap folder's loadSceneTexture, as the Windows reader does in Velmora.dll.
#include "renderer/bitmap/SceneTexture.h"

#include "renderer/x11/StarAsset.h"
#include "renderer/x11/core/BitmapFile.h"

namespace velmora::bitmap {

bool loadSceneTexture() {
    const std::optional<RgbImage> star = x11::readRgbBitmapFile(x11::starBitmapFile());
    if (!star) {
        return false;
    }
    uploadSceneTexture(*star);
    return true;
}

} // namespace velmora::bitmap

// The hack's scene texture: the embedded star picture, uploaded like the Windows bitmap. It
// supplies the bitmap folder's loadSceneTexture, as the Windows reader does in Velmora.dll.
#include "renderer/bitmap/SceneTexture.h"

#include "renderer/bitmap/core/RgbBitmapFile.h"
#include "renderer/x11/StarAsset.h"

namespace velmora::bitmap {

bool loadSceneTexture() {
    const std::optional<RgbImage> star = readRgbBitmapFile(x11::starBitmapFile());
    if (!star) {
        return false;
    }
    uploadSceneTexture(*star);
    return true;
}

} // namespace velmora::bitmap

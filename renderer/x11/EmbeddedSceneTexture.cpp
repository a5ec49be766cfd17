// The hack's scene texture: the embedded star picture, uploaded like the Windows bitmap.
#include "renderer/bitmap/SceneTexture.h"

#include "renderer/x11/StarAsset.h"
#include "renderer/x11/core/BitmapFile.h"

bool loadSceneTexture() {
    const std::optional<RgbImage> star = readRgbBitmapFile(starBitmapFile());
    if (!star) {
        return false;
    }
    uploadSceneTexture(*star);
    return true;
}

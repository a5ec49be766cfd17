// The Windows scene texture: the texture bitmap the saver left, read from its file.
#include "renderer/bitmap/SceneTexture.h"

#include "renderer/bitmap/SceneTextureUpload.h"
#include "renderer/bitmap/TextureBitmap.h"

namespace velmora::bitmap {

bool loadSceneTexture() {
    const std::optional<RgbImage> image = loadTextureBitmap(sceneTexturePath().c_str());
    if (!image) {
        return false;
    }
    uploadSceneTexture(*image);
    return true;
}

} // namespace velmora::bitmap

// The Windows scene picture: the texture bitmap the saver left, read from its file.
#include "renderer/bitmap/SceneTexture.h"

#include "renderer/bitmap/TextureBitmap.h"

namespace velmora::bitmap {

std::optional<RgbImage> loadScenePicture() {
    return loadTextureBitmap(sceneTexturePath().c_str());
}

} // namespace velmora::bitmap

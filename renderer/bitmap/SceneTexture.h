// The scene texture: the one GL texture every particle shows, made once from the picture this
// platform keeps for it (the texture bitmap file on Windows, the embedded star on X11).
#pragma once

#include "renderer/bitmap/SceneTextureUpload.h"

namespace velmora::bitmap {

// Makes the scene texture; needs a current GL context. False when the picture cannot be had
// (on Windows the bitmap reader has then shown its message).
bool loadSceneTexture();

} // namespace velmora::bitmap

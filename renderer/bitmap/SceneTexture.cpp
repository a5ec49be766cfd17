// Uploads the texture bitmap into the scene texture: three components, linear filtering, no
// mipmaps.
#include "renderer/bitmap/SceneTexture.h"

#include "renderer/bitmap/TextureBitmap.h"

#include <windows.h>

#include <GL/gl.h>

namespace {

GLuint sceneTexture = 0;

} // namespace

bool loadSceneTexture() {
    const std::optional<RgbImage> image = loadTextureBitmap(sceneTexturePath().c_str());
    if (!image) {
        return false;
    }
    glGenTextures(1, &sceneTexture);
    glBindTexture(GL_TEXTURE_2D, sceneTexture);
    // Packed rows are 3 * width bytes, which is not always a multiple of the default 4.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, 3, image->width, image->height, 0, GL_RGB, GL_UNSIGNED_BYTE,
                 image->pixels.data());
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    return true;
}

unsigned int sceneTextureName() {
    return sceneTexture;
}

// The scene texture's upload and its GL name, shared by the Windows and the X11 programs.
#include "renderer/bitmap/SceneTextureUpload.h"

#ifdef _WIN32
// The Windows GL header needs the platform's declarations first.
#include <windows.h>
#endif

#include <GL/gl.h>

namespace velmora::bitmap {

namespace {

GLuint sceneTexture = 0;

} // namespace

void uploadSceneTexture(const RgbImage& image) {
    glGenTextures(1, &sceneTexture);
    glBindTexture(GL_TEXTURE_2D, sceneTexture);
    // Packed rows are 3 * width bytes, which is not always a multiple of the default 4.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, 3, image.width, image.height, 0, GL_RGB, GL_UNSIGNED_BYTE,
                 image.pixels.data());
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
}

unsigned int sceneTextureName() {
    return sceneTexture;
}

} // namespace velmora::bitmap

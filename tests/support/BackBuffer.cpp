// glReadPixels of the back buffer with byte-packed rows.
#include "tests/support/BackBuffer.h"

#ifdef _WIN32
// The Windows GL header needs the platform's declarations first.
#include <windows.h>
#endif

#include <GL/gl.h>

namespace velmora::testing {

std::vector<unsigned char> readBackBuffer(int width, int height) {
    std::vector<unsigned char> pixels(static_cast<std::size_t>(width * height * 3));
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

} // namespace velmora::testing

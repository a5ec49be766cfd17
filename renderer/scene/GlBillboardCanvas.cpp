// Immediate-mode drawing of the billboard squares: one triangle strip per square, texture
// coordinate before each vertex, the texture upright with its row 0 at the bottom.
#include "renderer/scene/GlBillboardCanvas.h"

#ifdef _WIN32
// The Windows GL header needs the platform's declarations first.
#include <windows.h>
#endif

#include <GL/gl.h>

namespace velmora::scene {

void GlBillboardCanvas::readModelView(float matrix[16]) {
    glGetFloatv(GL_MODELVIEW_MATRIX, matrix);
}

void GlBillboardCanvas::bindTexture(unsigned int texture) {
    glBindTexture(GL_TEXTURE_2D, texture);
}

void GlBillboardCanvas::drawQuad(const BillboardQuad& quad) {
    glBegin(GL_TRIANGLE_STRIP);
    glColor4f(quad.red, quad.green, quad.blue, 0.5f);
    glTexCoord2f(0.0f, 1.0f);
    glVertex3f(quad.topLeft.x, quad.topLeft.y, quad.topLeft.z);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3f(quad.bottomLeft.x, quad.bottomLeft.y, quad.bottomLeft.z);
    glTexCoord2f(1.0f, 1.0f);
    glVertex3f(quad.topRight.x, quad.topRight.y, quad.topRight.z);
    glTexCoord2f(1.0f, 0.0f);
    glVertex3f(quad.bottomRight.x, quad.bottomRight.y, quad.bottomRight.z);
    glEnd();
}

} // namespace velmora::scene

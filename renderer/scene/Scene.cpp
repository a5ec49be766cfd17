// The starfield on the GL: fixed-function state set once, then per frame a cleared screen, the
// world turned about three axes, the particles drawn and moved: immediate-mode squares, one
// triangle strip each, texture coordinate before each vertex, the texture upright with its row 0
// at the bottom.
#include "renderer/scene/Scene.h"

#ifdef _WIN32
// The Windows GL header needs the platform's declarations first.
#include <windows.h>
#endif

#include <GL/gl.h>
#include <GL/glu.h>

namespace velmora::scene {

namespace {

// Leaves the matrix mode at model-view, where every frame's rotation belongs.
void loadPerspective(const Perspective& p) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(p.fieldOfView, p.aspect, p.nearPlane, p.farPlane);
    glMatrixMode(GL_MODELVIEW);
}

} // namespace

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

unsigned int uploadSceneTexture(const bitmap::RgbImage& image) {
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    // Packed rows are 3 * width bytes, which is not always a multiple of the default 4.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, 3, image.width, image.height, 0, GL_RGB, GL_UNSIGNED_BYTE,
                 image.pixels.data());
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    return name;
}

void resizeScene(int width, int height) {
    const ViewSetup view = viewForClient(width, height);
    viewScene(view.width, view.height, view.perspective);
}

void viewScene(int width, int height, const Perspective& perspective) {
    glViewport(0, 0, width, height);
    loadPerspective(perspective);
    glLoadIdentity();
}

bool initScene(SceneState& scene, const bitmap::RgbImage& picture) {
    // Replaces the projection of the first resize until the window's size next changes.
    loadPerspective(startupPerspective());
    scene.texture = uploadSceneTexture(picture);
    glColor4f(1.0f, 1.0f, 1.0f, 0.5f);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glEnable(GL_TEXTURE_2D);
    glShadeModel(GL_SMOOTH);
    glClearColor(0.0f, 0.0f, 0.0f, 0.5f);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    scene.particles = makeSceneParticles(scene.texture, scene.canvas, scene.random);
    return scene.particles != nullptr;
}

bool drawScene(SceneState& scene) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    glRotatef(scene.angles.x, 1.0f, 0.0f, 0.0f);
    glRotatef(scene.angles.y, 0.0f, 1.0f, 0.0f);
    glRotatef(scene.angles.z, 0.0f, 0.0f, 1.0f);
    scene.particles->draw();
    scene.particles->update(kSceneStep);
    scene.angles.advance();
    return true;
}

bool startScene(SceneState& scene, const bitmap::RgbImage& picture, int width, int height) {
    resizeScene(width, height);
    return initScene(scene, picture);
}

void freeScene(SceneState& scene) {
    scene.particles.reset();
    if (scene.texture != 0) {
        glDeleteTextures(1, &scene.texture);
        scene.texture = 0;
    }
    scene.random = RandomSequence{};
    scene.angles = SceneAngles{};
}

} // namespace velmora::scene

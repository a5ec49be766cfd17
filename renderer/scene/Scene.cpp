// The starfield on the GL: fixed-function state set once, then per frame a cleared screen, the
// world turned about three axes, the particles drawn and moved.
#include "renderer/scene/Scene.h"

#ifdef _WIN32
// The Windows GL header needs the platform's declarations first.
#include <windows.h>
#endif

#include <GL/gl.h>
#include <GL/glu.h>

#include <memory>

#include "renderer/bitmap/SceneTexture.h"
#include "renderer/scene/GlBillboardCanvas.h"
#include "renderer/scene/core/SceneLayout.h"

namespace velmora::scene {

namespace {

struct SceneState {
    GlBillboardCanvas canvas;
    SceneAngles angles;
    std::unique_ptr<BillboardParticleSystem> particles;
};

SceneState& scene() {
    static SceneState state;
    return state;
}

// Leaves the matrix mode at model-view, where every frame's rotation belongs.
void loadPerspective(const Perspective& p) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(p.fieldOfView, p.aspect, p.nearPlane, p.farPlane);
    glMatrixMode(GL_MODELVIEW);
}

} // namespace

void resizeScene(int width, int height) {
    const ViewSetup view = viewForClient(width, height);
    viewScene(view.width, view.height, view.perspective);
}

void viewScene(int width, int height, const Perspective& perspective) {
    glViewport(0, 0, width, height);
    loadPerspective(perspective);
    glLoadIdentity();
}

bool initScene() {
    // Replaces the projection of the first resize until the window's size next changes.
    loadPerspective(startupPerspective());
    if (!bitmap::loadSceneTexture()) {
        return false;
    }
    glColor4f(1.0f, 1.0f, 1.0f, 0.5f);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glEnable(GL_TEXTURE_2D);
    glShadeModel(GL_SMOOTH);
    glClearColor(0.0f, 0.0f, 0.0f, 0.5f);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    SceneState& state = scene();
    state.particles = makeSceneParticles(bitmap::sceneTextureName(), state.canvas);
    return state.particles != nullptr;
}

bool drawScene() {
    SceneState& state = scene();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    glRotatef(state.angles.x, 1.0f, 0.0f, 0.0f);
    glRotatef(state.angles.y, 0.0f, 1.0f, 0.0f);
    glRotatef(state.angles.z, 0.0f, 0.0f, 1.0f);
    state.particles->draw();
    state.particles->update(kSceneStep);
    state.angles.advance();
    return true;
}

bool startScene(int width, int height) {
    resizeScene(width, height);
    return initScene();
}

} // namespace velmora::scene

// The GL scene of the renderer in a hack's four steps: projection on size changes, set-up from
// the picture its program loaded, one frame, and release; the billboard canvas on the GL and the
// texture upload it draws with. All need the program's GL context to be current.
#pragma once

#include <memory>

#include "renderer/bitmap/core/RgbImage.h"
#include "renderer/scene/core/BillboardCanvas.h"
#include "renderer/scene/core/SceneLayout.h"

namespace velmora::scene {

// The billboard canvas on the GL: immediate-mode textured squares, one strip per particle.
class GlBillboardCanvas : public BillboardCanvas {
public:
    void readModelView(float matrix[16]) override;
    void bindTexture(unsigned int texture) override;
    void drawQuad(const BillboardQuad& quad) override;
};

// Makes a texture of the picture: three components, linear filtering, no mipmaps. Returns its
// GL name, which the caller keeps and deletes.
unsigned int uploadSceneTexture(const bitmap::RgbImage& image);

// Everything one running scene holds; a new one is ready for initScene.
struct SceneState {
    GlBillboardCanvas canvas;
    RandomSequence random;
    SceneAngles angles;
    // The GL name of the texture every particle shows; 0 while there is none.
    unsigned int texture = 0;
    std::unique_ptr<BillboardParticleSystem> particles;
};

// Viewport and projection for a client area of the given size.
void resizeScene(int width, int height);

// Viewport for a client area of the given size, under the given projection.
void viewScene(int width, int height, const Perspective& perspective);

// Makes the texture from the picture, sets the blending state and spawns the particles. False
// when the particles cannot be had.
bool initScene(SceneState& scene, const bitmap::RgbImage& picture);

// The start on a client area of the given size, in the order of the Windows run: the viewport
// and projection of that size, then the set-up, whose start-up projection holds from then on.
bool startScene(SceneState& scene, const bitmap::RgbImage& picture, int width, int height);

// Draws one frame and advances the animation by one step. Always true.
bool drawScene(SceneState& scene);

// Releases the texture and the particles and starts the animation over, so that a later
// initScene shows the same frames again. Safe on a scene never started.
void freeScene(SceneState& scene);

} // namespace velmora::scene

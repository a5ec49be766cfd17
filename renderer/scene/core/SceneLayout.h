// The fixed layout of the starfield: its one particle system, the turning angles and the
// projections, kept free of GL so that the numbers can be checked without a context.
#pragma once

#include <cstdint>
#include <memory>

#include "renderer/scene/core/BillboardParticleSystem.h"

namespace velmora::scene {

inline constexpr std::int32_t kSceneParticleCount = 4000;
inline constexpr Vector3 kSceneOrigin{0.0f, 0.0f, 15.0f};
inline constexpr float kSceneSpawnWidth = 0.5f;
inline constexpr float kSceneSpawnDepth = 5.0f;
inline constexpr float kSceneMargin = 30.0f;
// Particle steps per frame: the animation speed follows the frame rate.
inline constexpr std::int32_t kSceneStep = 350;

// The scene's particle system, spawned from random; null when its memory cannot be had.
std::unique_ptr<BillboardParticleSystem>
makeSceneParticles(unsigned int texture, BillboardCanvas& canvas, RandomSequence& random);

// The world's rotation in degrees. The angles grow without bound, never reduced modulo 360.
struct SceneAngles {
    float x = 0.0f;
    float y = 90.0f;
    float z = 0.0f;

    void advance();
};

struct Perspective {
    double fieldOfView;
    double aspect;
    double nearPlane;
    double farPlane;
};

struct ViewSetup {
    int width;
    int height;
    Perspective perspective;
};

// Viewport and projection for a client area; a height of 0 counts as 1.
ViewSetup viewForClient(int width, int height);

// The projection set once at start-up, square and deeper, until the next size change.
Perspective startupPerspective();

} // namespace velmora::scene

// The starfield's particle system, rotation steps and projections.
#include "renderer/scene/core/SceneLayout.h"

#include <new>

namespace velmora::scene {

namespace {

constexpr double kFieldOfView = 120.0;
// The near plane is the single-precision 0.1 widened, not the double 0.1.
constexpr double kNearPlane = static_cast<double>(0.1f);

} // namespace

std::unique_ptr<BillboardParticleSystem>
makeSceneParticles(unsigned int texture, BillboardCanvas& canvas, RandomSequence& random) {
    std::unique_ptr<BillboardParticleSystem> system(new (std::nothrow) BillboardParticleSystem(
        kSceneParticleCount, kSceneOrigin, kSceneSpawnWidth, kSceneSpawnDepth, kSceneMargin,
        texture, canvas, random));
    if (!system || !system->allocated()) {
        return nullptr;
    }
    system->resetAll();
    return system;
}

void SceneAngles::advance() {
    x += 0.8f;
    y += 0.95f;
    z += 0.4f;
}

ViewSetup viewForClient(int width, int height) {
    const int usedHeight = height == 0 ? 1 : height;
    const double aspect = static_cast<double>(width) / static_cast<double>(usedHeight);
    return {width, usedHeight, {kFieldOfView, aspect, kNearPlane, 100.0}};
}

Perspective startupPerspective() {
    return {kFieldOfView, 1.0, kNearPlane, 200.0};
}

} // namespace velmora::scene

// The replica swaps its own sequence in for the process one around every spawn and move.
#include "tools/bench/SceneReplica.h"

#include <utility>

#include "renderer/bitmap/SceneTexture.h"
#include "renderer/scene/core/SceneLayout.h"

namespace velmora::bench {

SceneReplica::SceneReplica() {
    std::swap(scene::processRandom(), random_);
    particles_ = makeSceneParticles(bitmap::sceneTextureName(), recorder_);
    std::swap(scene::processRandom(), random_);
}

const std::vector<scene::BillboardQuad>& SceneReplica::squares() {
    recorder_.quads.clear();
    particles_->draw();
    return recorder_.quads;
}

void SceneReplica::update() {
    std::swap(scene::processRandom(), random_);
    particles_->update(scene::kSceneStep);
    std::swap(scene::processRandom(), random_);
}

} // namespace velmora::bench

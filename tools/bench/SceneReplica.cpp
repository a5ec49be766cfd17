// The replica swaps its own sequence in for the process one around every spawn and move.
#include "tools/bench/SceneReplica.h"

#include <utility>

#include "renderer/bitmap/SceneTexture.h"
#include "renderer/scene/SceneLayout.h"

SceneReplica::SceneReplica() {
    std::swap(processRandom(), random_);
    particles_ = makeSceneParticles(sceneTextureName(), recorder_);
    std::swap(processRandom(), random_);
}

const std::vector<BillboardQuad>& SceneReplica::squares() {
    recorder_.quads.clear();
    particles_->draw();
    return recorder_.quads;
}

void SceneReplica::update() {
    std::swap(processRandom(), random_);
    particles_->update(kSceneStep);
    std::swap(processRandom(), random_);
}

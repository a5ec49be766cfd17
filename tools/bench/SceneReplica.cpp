// The replica's particles spawn and move with its own sequence, as the scene's with the scene's.
#include "tools/bench/SceneReplica.h"

#include "renderer/scene/core/SceneLayout.h"

namespace velmora::bench {

SceneReplica::SceneReplica(unsigned int texture)
    : particles_(makeSceneParticles(texture, recorder_, random_)) {}

const std::vector<scene::BillboardQuad>& SceneReplica::squares() {
    recorder_.quads.clear();
    particles_->draw();
    return recorder_.quads;
}

void SceneReplica::update() {
    particles_->update(scene::kSceneStep);
}

} // namespace velmora::bench

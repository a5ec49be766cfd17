// The shared part of every particle system: the particle array and the full respawn.
#include "renderer/scene/core/ParticleSystem.h"

#include <new>

namespace velmora::scene {

ParticleSystem::ParticleSystem(std::int32_t count, const Vector3& origin)
    : particles_(new(std::nothrow) Particle[count > 0 ? count : 0]()),
      count_(particles_ ? count : 0), origin_(origin) {}

void ParticleSystem::resetAll() {
    for (std::int32_t i = 0; i < count_; ++i) {
        resetParticle(i);
    }
}

} // namespace velmora::scene

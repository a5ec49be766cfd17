// ParticleSystem: the abstract owner of an array of particles and their emitter point.
// Subclasses say how a particle spawns, moves and is drawn.
#pragma once

#include <cstdint>
#include <memory>

#include "renderer/scene/core/Particle.h"

namespace velmora::scene {

class ParticleSystem {
public:
    virtual ~ParticleSystem() = default;

    // Spawns every particle, in index order.
    virtual void resetAll();
    virtual void resetParticle(std::int32_t index) = 0;
    virtual void update(std::int32_t step) = 0;
    virtual void draw() = 0;

    // False when the particle array could not be allocated; such a system must not be used.
    bool allocated() const { return particles_ != nullptr; }
    std::int32_t count() const { return count_; }
    const Particle& particle(std::int32_t index) const { return particles_[index]; }
    const Vector3& origin() const { return origin_; }

    ParticleSystem(const ParticleSystem&) = delete;
    ParticleSystem& operator=(const ParticleSystem&) = delete;

protected:
    // Allocates count zeroed particles without throwing; see allocated().
    ParticleSystem(std::int32_t count, const Vector3& origin);

    std::unique_ptr<Particle[]> particles_;
    std::int32_t count_;
    Vector3 origin_;
};

} // namespace velmora::scene

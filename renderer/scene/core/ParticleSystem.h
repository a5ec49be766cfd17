// ParticleSystem: the abstract owner of an array of particles and their emitter point; subclasses
// say how a particle spawns, moves and is drawn. With it the particle, one star with its motion
// and tint, and Vector3, the scene's single-precision 3-vector: every operation yields a new value
// whose components are rounded to float, so the animation is the same on every build.
#pragma once

#include <cstdint>
#include <memory>

namespace velmora::scene {

struct Vector3 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;

    constexpr Vector3() = default;
    constexpr Vector3(float xIn, float yIn, float zIn) : x(xIn), y(yIn), z(zIn) {}
};

constexpr Vector3 operator+(const Vector3& a, const Vector3& b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}

constexpr Vector3 operator-(const Vector3& a, const Vector3& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

// The factor multiplies from the left, as the animation's rounding was defined that way.
constexpr Vector3 operator*(const Vector3& a, float s) {
    return {s * a.x, s * a.y, s * a.z};
}

// A new particle is all zero.
struct Particle {
    Vector3 position;
    Vector3 velocity;
    // Added to the velocity after every move; the scene never sets it.
    Vector3 acceleration;
    float red = 0.0f;
    float green = 0.0f;
    float blue = 0.0f;
};

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

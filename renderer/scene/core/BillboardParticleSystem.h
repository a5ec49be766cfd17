// BillboardParticleSystem: particles that spawn in a flat rectangle around the emitter, drift in
// straight lines, respawn when they leave a box around the emitter and are drawn as
// camera-facing textured squares. Their random draws come from a 32-bit linear congruential
// generator that starts at 1 and is never reseeded, so every run shows the same particles; each
// scene owns its sequence and hands it to its particles.
#pragma once

#include "renderer/scene/core/BillboardCanvas.h"
#include "renderer/scene/core/ParticleSystem.h"

namespace velmora::scene {

class RandomSequence {
public:
    // The next value, 0 to 32767.
    int next();

    // One draw: the next value modulo 1000, as a fraction 0.000 to 0.999 in single precision.
    float nextDraw();

private:
    std::uint32_t state_ = 1;
};

// The offsets from a particle's position to the corners of its square.
struct BillboardCorners {
    Vector3 topLeft;
    Vector3 bottomLeft;
    Vector3 topRight;
    Vector3 bottomRight;
};

// Corners of a square of side 2 * halfSize facing the viewer, from the model-view matrix:
// its first row is the screen's x axis in world space, its second row the y axis.
BillboardCorners billboardCorners(const float modelView[16], float halfSize);

class BillboardParticleSystem : public ParticleSystem {
public:
    // Spawns draw from random, which must outlive the system.
    BillboardParticleSystem(std::int32_t count, const Vector3& origin, float spawnWidth,
                            float spawnDepth, float margin, unsigned int texture,
                            BillboardCanvas& canvas, RandomSequence& random);

    void resetParticle(std::int32_t index) override;
    void update(std::int32_t step) override;
    void draw() override;

    // The box in which particles live, strict on every face.
    bool inside(const Vector3& position) const;

private:
    unsigned int texture_;
    float spawnWidth_;
    float spawnDepth_;
    float minX_, maxX_, minY_, maxY_, minZ_, maxZ_;
    BillboardCanvas& canvas_;
    RandomSequence& random_;
};

} // namespace velmora::scene

// The billboard particles: the random sequence, spawning from its draws, straight-line motion
// with respawn at the box, and drawing as camera-facing squares through the canvas seam.
#include "renderer/scene/core/BillboardParticleSystem.h"

namespace velmora::scene {

int RandomSequence::next() {
    state_ = state_ * 214013u + 2531011u;
    return static_cast<int>((state_ >> 16) & 0x7FFFu);
}

float RandomSequence::nextDraw() {
    return static_cast<float>(next() % 1000) / 1000.0f;
}

BillboardCorners billboardCorners(const float modelView[16], float halfSize) {
    const Vector3 right(modelView[0], modelView[4], modelView[8]);
    const Vector3 up(modelView[1], modelView[5], modelView[9]);
    const Vector3 zero;
    return {((zero - right) + up) * halfSize, ((zero - right) - up) * halfSize,
            (right + up) * halfSize, (right - up) * halfSize};
}

BillboardParticleSystem::BillboardParticleSystem(std::int32_t count, const Vector3& origin,
                                                 float spawnWidth, float spawnDepth, float margin,
                                                 unsigned int texture, BillboardCanvas& canvas,
                                                 RandomSequence& random)
    : ParticleSystem(count, origin), texture_(texture), spawnWidth_(spawnWidth),
      spawnDepth_(spawnDepth), minX_(origin.x - spawnWidth - margin),
      maxX_(spawnWidth + origin.x + margin), minY_(origin.y - margin), maxY_(margin + origin.y),
      minZ_(origin.z - spawnDepth - margin), maxZ_(spawnDepth + origin.z + margin), canvas_(canvas),
      random_(random) {}

void BillboardParticleSystem::resetParticle(std::int32_t index) {
    Particle& p = particles_[index];
    // The draws are taken in this exact order; the whole animation depends on it.
    const float zOffset = (random_.nextDraw() - 0.5f) * spawnDepth_;
    const float xOffset = (random_.nextDraw() - 0.5f) * spawnWidth_;
    p.position = origin_ + Vector3(xOffset, 0.0f, zOffset);
    p.velocity.z = random_.nextDraw() * 0.001f - 0.0005f;
    p.velocity.y = -(random_.nextDraw() * 0.0005f - 0.00025f);
    p.velocity.x = random_.nextDraw() * 0.001f - 0.0005f;
    p.red = random_.nextDraw();
    p.green = random_.nextDraw();
    p.blue = random_.nextDraw();
}

bool BillboardParticleSystem::inside(const Vector3& v) const {
    return minX_ < v.x && v.x < maxX_ && minY_ < v.y && v.y < maxY_ && minZ_ < v.z && v.z < maxZ_;
}

void BillboardParticleSystem::update(std::int32_t step) {
    const float scale = static_cast<float>(step);
    for (std::int32_t i = 0; i < count_; ++i) {
        Particle& p = particles_[i];
        p.position = p.position + p.velocity * scale;
        p.velocity = p.velocity + p.acceleration;
        if (!inside(p.position)) {
            resetParticle(i);
        }
    }
}

void BillboardParticleSystem::draw() {
    float modelView[16];
    canvas_.readModelView(modelView);
    const BillboardCorners corners = billboardCorners(modelView, 1.5f);
    canvas_.bindTexture(texture_);
    BillboardQuad quad;
    for (std::int32_t i = 0; i < count_; ++i) {
        const Particle& p = particles_[i];
        quad.red = p.red;
        quad.green = p.green;
        quad.blue = p.blue;
        quad.topLeft = p.position + corners.topLeft;
        quad.bottomLeft = p.position + corners.bottomLeft;
        quad.topRight = p.position + corners.topRight;
        quad.bottomRight = p.position + corners.bottomRight;
        canvas_.drawQuad(quad);
    }
}

} // namespace velmora::scene

// Particle: one star of the scene, its motion and its tint. A new particle is all zero.
#pragma once

#include "renderer/scene/core/Vector3.h"

namespace velmora::scene {

struct Particle {
    Vector3 position;
    Vector3 velocity;
    // Added to the velocity after every move; the scene never sets it.
    Vector3 acceleration;
    float red = 0.0f;
    float green = 0.0f;
    float blue = 0.0f;
};

} // namespace velmora::scene

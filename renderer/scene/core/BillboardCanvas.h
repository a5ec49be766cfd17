// The drawing seam of the billboard particles: what the particle code asks of the GL, so that
// the particle maths stays free of GL headers and can be checked against a fake.
#pragma once

#include "renderer/scene/core/ParticleSystem.h"

namespace velmora::scene {

// One camera-facing square: its tint and its corners in world coordinates.
struct BillboardQuad {
    float red = 0.0f;
    float green = 0.0f;
    float blue = 0.0f;
    Vector3 topLeft;
    Vector3 bottomLeft;
    Vector3 topRight;
    Vector3 bottomRight;
};

class BillboardCanvas {
public:
    virtual ~BillboardCanvas() = default;
    // The current model-view matrix, sixteen floats in column-major order.
    virtual void readModelView(float matrix[16]) = 0;
    virtual void bindTexture(unsigned int texture) = 0;
    // Draws the square textured with the bound texture, tinted at alpha 0.5.
    virtual void drawQuad(const BillboardQuad& quad) = 0;
};

} // namespace velmora::scene

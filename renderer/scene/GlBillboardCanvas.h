// The billboard canvas on the GL: immediate-mode textured squares, one strip per particle.
#pragma once

#include "renderer/scene/core/BillboardCanvas.h"

namespace velmora::scene {

class GlBillboardCanvas : public BillboardCanvas {
public:
    void readModelView(float matrix[16]) override;
    void bindTexture(unsigned int texture) override;
    void drawQuad(const BillboardQuad& quad) override;
};

} // namespace velmora::scene

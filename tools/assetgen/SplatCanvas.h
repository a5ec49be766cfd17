// SplatCanvas: draws the scene's billboards without a GL, the way the renderer's GL state does:
// the world turned by three angles, a perspective projection, the star picture tinted at
// alpha 0.5 and added onto black in a 16-bit frame buffer.
#pragma once

#include <vector>

#include "renderer/scene/core/BillboardCanvas.h"
#include "renderer/scene/core/SceneLayout.h"
#include "tools/assetgen/Picture.h"

namespace velmora::assetgen {

class SplatCanvas : public scene::BillboardCanvas {
public:
    SplatCanvas(int width, int height, const Picture& texture,
                const scene::Perspective& perspective);

    // Sets the model-view matrix as the scene does each frame: the three rotations in turn.
    void turnTo(const scene::SceneAngles& angles);

    void readModelView(float matrix[16]) override;
    void bindTexture(unsigned int) override {}
    void drawQuad(const scene::BillboardQuad& quad) override;

    // What the screen shows so far.
    Picture picture() const;

private:
    struct Linear {
        double red, green, blue;
    };
    struct ScreenPoint {
        double x, y, depth;
    };

    ScreenPoint project(const scene::Vector3& world) const;
    Linear sampleTexture(double u, double v) const;
    void splat(double left, double top, double right, double bottom,
               const scene::BillboardQuad& quad);

    int width_;
    int height_;
    const Picture& texture_;
    scene::Perspective perspective_;
    float modelView_[16];
    std::vector<Linear> sums_;
};

} // namespace velmora::assetgen

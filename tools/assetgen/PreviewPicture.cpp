// The preview picture from the scene's own particle system, so it shows what a run shows.
#include "tools/assetgen/PreviewPicture.h"

#include <cmath>

#include "renderer/scene/core/SceneLayout.h"
#include "tools/assetgen/SplatCanvas.h"

namespace velmora::assetgen {

namespace {

// A frame where the emitter's stream lies across the middle of the view.
constexpr int kPreviewFrame = 450;
constexpr int kSupersampling = 4;

} // namespace

Picture renderSceneFrame(int frame, int width, int height, const Picture& star) {
    // A fresh sequence for every call, so that every call gives the same picture.
    scene::RandomSequence random;
    // A run's window keeps its size after the scene starts, so the start-up projection (square,
    // stretched over the window) is the one a run shows.
    SplatCanvas canvas(width, height, star, scene::startupPerspective());
    const auto particles = makeSceneParticles(0, canvas, random);
    scene::SceneAngles angles;
    for (int i = 0; i < frame; ++i) {
        particles->update(scene::kSceneStep);
        angles.advance();
    }
    canvas.turnTo(angles);
    particles->draw();
    return canvas.picture();
}

Picture shrinkPicture(const Picture& picture, int factor) {
    Picture out(picture.width() / factor, picture.height() / factor);
    const double area = factor * factor;
    for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < out.width(); ++x) {
            double red = 0, green = 0, blue = 0;
            for (int sy = 0; sy < factor; ++sy) {
                for (int sx = 0; sx < factor; ++sx) {
                    const Rgba& p = picture.at(x * factor + sx, y * factor + sy);
                    red += p.red;
                    green += p.green;
                    blue += p.blue;
                }
            }
            out.at(x, y) = {static_cast<std::uint8_t>(std::lround(red / area)),
                            static_cast<std::uint8_t>(std::lround(green / area)),
                            static_cast<std::uint8_t>(std::lround(blue / area)), 255};
        }
    }
    return out;
}

Picture makePreviewPicture(const Picture& star) {
    return shrinkPicture(renderSceneFrame(kPreviewFrame, kPreviewWidth * kSupersampling,
                                          kPreviewHeight * kSupersampling, star),
                         kSupersampling);
}

} // namespace velmora::assetgen

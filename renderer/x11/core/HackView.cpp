// The hack's projection and its frame-rate figure (see HackView.h).
#include "renderer/x11/core/HackView.h"

#include <cstdio>

#include "renderer/window/core/RunScreen.h"

namespace velmora::x11 {

scene::Perspective hackPerspective(int width, int height) {
    scene::Perspective perspective = scene::startupPerspective();
    const int usedHeight = height == 0 ? 1 : height;
    // In whole numbers first, so that every 4:3 window gets exactly 1.
    perspective.aspect *= static_cast<double>(width) * window::kRunScreenHeight /
                          (static_cast<double>(usedHeight) * window::kRunScreenWidth);
    return perspective;
}

void FpsFigure::frame(double nowSeconds) {
    if (since_ < 0.0) {
        since_ = nowSeconds;
        return;
    }
    ++frames_;
    const double seconds = nowSeconds - since_;
    if (seconds >= 1.0) {
        char figure[32];
        std::snprintf(figure, sizeof figure, "FPS: %.1f", frames_ / seconds);
        text_ = figure;
        since_ = nowSeconds;
        frames_ = 0;
    }
}

} // namespace velmora::x11

// The frame-rate figure of the hack.
#include "renderer/x11/core/FpsFigure.h"

#include <cstdio>

namespace velmora::x11 {

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

// FpsFigure: the frames-per-second figure of -fps, counted over whole seconds so that it stays
// readable instead of flickering with every frame.
#pragma once

#include <string>

namespace velmora::x11 {

class FpsFigure {
public:
    // Counts one frame shown at the given time in seconds.
    void frame(double nowSeconds);

    // "FPS: 59.9", or "FPS: -" before the first second is complete.
    const std::string& text() const { return text_; }

private:
    double since_ = -1.0;
    int frames_ = 0;
    std::string text_ = "FPS: -";
};

} // namespace velmora::x11

// What the hack shows on a window, decided apart from GL: its projection on a window of any size
// and the frame-rate figure of -fps.
#pragma once

#include <string>

#include "renderer/scene/core/SceneLayout.h"

namespace velmora::x11 {

// The Windows run's start-up projection, whose square view fills its 4:3 screen, so that glows
// are a third wider than tall and the scene has its start-up depth; on other shapes the view
// widens or narrows with the window at the same height, so glows keep that shape and are never
// stretched. Exactly the start-up projection on a 4:3 window; a height of 0 counts as 1.
scene::Perspective hackPerspective(int width, int height);

// FpsFigure: the frames-per-second figure of -fps, counted over whole seconds so that it stays
// readable instead of flickering with every frame.
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

// Which parts of the desktop the black cover windows hide while the scene runs full screen:
// every monitor but the one that shows the scene, so no screen stays readable.
#pragma once

#include <vector>

namespace velmora::window {

// A rectangle in virtual-screen coordinates; right and bottom lie just outside it.
struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const ScreenRect&) const = default;
};

// The monitors, as the system lists them after the mode change, less the one whose area holds
// the scene window's top-left corner. Monitors left of or above the primary have negative
// coordinates and end where the primary begins, so they are never taken for the scene's.
std::vector<ScreenRect> coverRectangles(const std::vector<ScreenRect>& monitors, int sceneLeft,
                                        int sceneTop);

} // namespace velmora::window

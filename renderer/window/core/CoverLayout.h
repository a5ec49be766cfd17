// Which parts of the desktop the black cover windows hide while the scene runs full screen:
// every monitor but the one that shows the scene, so no screen stays readable.
#pragma once

#include <vector>

#include "base/Rect.h"

namespace velmora::window {

// The monitors in virtual-screen pixels, as the system lists them after the mode change, less the
// one whose area holds the scene window's top-left corner. Monitors left of or above the primary
// have negative coordinates and end where the primary begins, so they are never taken for the
// scene's.
std::vector<base::PixelRect> coverRectangles(const std::vector<base::PixelRect>& monitors,
                                             int sceneLeft, int sceneTop);

} // namespace velmora::window

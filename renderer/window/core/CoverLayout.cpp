// The cover layout (see CoverLayout.h).
#include "renderer/window/core/CoverLayout.h"

namespace velmora::window {

namespace {

bool holds(const ScreenRect& area, int x, int y) {
    return x >= area.left && x < area.right && y >= area.top && y < area.bottom;
}

} // namespace

std::vector<ScreenRect> coverRectangles(const std::vector<ScreenRect>& monitors, int sceneLeft,
                                        int sceneTop) {
    std::vector<ScreenRect> covers;
    for (const ScreenRect& monitor : monitors) {
        if (!holds(monitor, sceneLeft, sceneTop)) {
            covers.push_back(monitor);
        }
    }
    return covers;
}

} // namespace velmora::window

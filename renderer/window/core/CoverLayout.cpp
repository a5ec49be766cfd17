// The cover layout (see CoverLayout.h).
#include "renderer/window/core/CoverLayout.h"

namespace velmora::window {

namespace {

bool holds(const base::PixelRect& area, int x, int y) {
    return x >= area.left && x < area.left + area.width && y >= area.top &&
           y < area.top + area.height;
}

} // namespace

std::vector<base::PixelRect> coverRectangles(const std::vector<base::PixelRect>& monitors,
                                             int sceneLeft, int sceneTop) {
    std::vector<base::PixelRect> covers;
    for (const base::PixelRect& monitor : monitors) {
        if (!holds(monitor, sceneLeft, sceneTop)) {
            covers.push_back(monitor);
        }
    }
    return covers;
}

} // namespace velmora::window

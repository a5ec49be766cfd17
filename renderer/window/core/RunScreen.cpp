// The display-mode ladder and the cover layout (see RunScreen.h).
#include "renderer/window/core/RunScreen.h"

#include <algorithm>

namespace velmora::window {

std::optional<DisplayMode>
chooseDisplayMode(const DisplayMode& wanted, const std::function<OfferedModes()>& listOffered,
                  const std::function<bool(const DisplayMode&)>& switchTo) {
    if (switchTo(wanted)) {
        return wanted;
    }
    const OfferedModes offered = listOffered();
    const DisplayMode desktopDepth{wanted.width, wanted.height, offered.desktopBits};
    if (desktopDepth != wanted &&
        std::find(offered.modes.begin(), offered.modes.end(), desktopDepth) !=
            offered.modes.end() &&
        switchTo(desktopDepth)) {
        return desktopDepth;
    }
    return std::nullopt;
}

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

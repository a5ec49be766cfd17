// The display-mode ladder (see DisplayModeLadder.h).
#include "renderer/window/core/DisplayModeLadder.h"

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

} // namespace velmora::window

// Which display mode a full-screen run switches to. The 16-bit mode comes first; current
// drivers have no 16-bit modes, so next comes the same size at the desktop's own depth, which
// looks the same. Only when the display refuses both is the user asked about a window.
#pragma once

#include <functional>
#include <optional>
#include <vector>

namespace velmora::window {

struct DisplayMode {
    unsigned int width = 0;
    unsigned int height = 0;
    unsigned int bits = 0;
    bool operator==(const DisplayMode&) const = default;
};

// What the display offers: its current depth and the modes it lists.
struct OfferedModes {
    unsigned int desktopBits = 0;
    std::vector<DisplayMode> modes;
};

// Asks switchTo for each rung in turn and returns the mode it accepted, or nothing when every
// rung was refused. The wanted mode is always asked for first, since a display may accept modes
// it does not list; the desktop-depth rung only when the display lists it. The list is asked for
// only after a refusal: reading it takes longer than the whole change on some systems.
std::optional<DisplayMode>
chooseDisplayMode(const DisplayMode& wanted, const std::function<OfferedModes()>& listOffered,
                  const std::function<bool(const DisplayMode&)>& switchTo);

} // namespace velmora::window

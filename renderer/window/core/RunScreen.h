// The screen the starfield is made for: the Windows renderer switches the display to it, and the
// Linux hack opens its own window at its size and keeps, on any window, the look it has there.
// For a full-screen run on Windows, which display mode reaches it (the 16-bit mode first;
// current drivers have none, so next the same size at the desktop's own depth, which looks the
// same; only when the display refuses both is the user asked about a window) and which parts of
// the desktop the black cover windows hide: every monitor but the scene's, so no screen stays
// readable.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "base/Rect.h"

namespace velmora::window {

inline constexpr int kRunScreenWidth = 1024;
inline constexpr int kRunScreenHeight = 768;
inline constexpr int kRunScreenBits = 16;

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

// The monitors in virtual-screen pixels, as the system lists them after the mode change, less the
// one whose area holds the scene window's top-left corner. Monitors left of or above the primary
// have negative coordinates and end where the primary begins, so they are never taken for the
// scene's.
std::vector<base::PixelRect> coverRectangles(const std::vector<base::PixelRect>& monitors,
                                             int sceneLeft, int sceneTop);

} // namespace velmora::window

// The command line of the X11 hack, in the spellings XScreenSaver and its users write: where to
// draw, whether to show the frame rate, and the frame period.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace velmora::x11 {

// The frame period that gives 60 frames a second.
inline constexpr long kDefaultDelayMicroseconds = 16667;

inline constexpr std::string_view kHackUsage =
    "usage: velmora [-root | -window-id ID] [-fps] [-delay MICROSECONDS]";

enum class DrawTarget {
    OwnWindow,
    // The window named by $XSCREENSAVER_WINDOW, or the root window when it is unset.
    Root,
    GivenWindow,
};

struct HackOptions {
    DrawTarget target = DrawTarget::OwnWindow;
    unsigned long windowId = 0; // for GivenWindow
    bool showFps = false;
    long delayMicroseconds = kDefaultDelayMicroseconds;
};

// The options of argv[1] onwards, each with one or two leading dashes; nothing when an option
// is unknown, lacks its value or has a malformed one.
std::optional<HackOptions> parseHackOptions(const std::vector<std::string_view>& arguments);

// A window id as X tools print it: decimal, or hexadecimal after 0x. Nothing for anything else,
// including 0, which names no window.
std::optional<unsigned long> parseWindowId(std::string_view text);

} // namespace velmora::x11

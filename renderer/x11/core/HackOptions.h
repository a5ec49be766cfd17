// The command line of the X11 hack, in the spellings XScreenSaver and its users write: where to
// draw, whether to show the frame rate, and the frame period; and the refusal, naming the word at
// fault, of anything else.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::x11 {

// The frame period that gives 60 frames a second.
inline constexpr long kDefaultDelayMicroseconds = 16667;
// Ten seconds: a longer period is a typing error rather than a frame rate.
inline constexpr long kLongestDelayMicroseconds = 10'000'000;

inline constexpr std::string_view kHackHelp =
    "usage: velmora [-root | -window-id ID] [-fps] [-delay MICROSECONDS]\n"
    "  -root            draw on the window in $XSCREENSAVER_WINDOW, or on the root window\n"
    "  -window-id ID    draw on the window ID, decimal or hexadecimal after 0x\n"
    "  -fps             show the frame rate in the lower left corner\n"
    "  -delay N         microseconds from one frame to the next, 0 to 10000000\n"
    "                   (16667 by default: 60 frames a second)\n"
    "  -help            show this list\n"
    "  -version         show the version\n"
    "Every option may also be written with two dashes. Without -root or -window-id velmora\n"
    "opens a window of its own; Escape, q or the close box end it.\n";

enum class DrawTarget {
    OwnWindow,
    // The root window: -root without $XSCREENSAVER_WINDOW.
    Root,
    // -window-id, or -root with $XSCREENSAVER_WINDOW.
    GivenWindow,
};

enum class HackRequest {
    Run,
    ShowHelp,
    ShowVersion,
};

struct HackOptions {
    HackRequest request = HackRequest::Run;
    DrawTarget target = DrawTarget::OwnWindow;
    unsigned long windowId = 0; // for GivenWindow
    bool showFps = false;
    long delayMicroseconds = kDefaultDelayMicroseconds;
};

struct ParsedOptions {
    HackOptions options;
    // Empty for a good command line; otherwise why it is refused, one line without the
    // program's name: the word at fault and what is wrong with it.
    std::string refusal;
};

// The options of argv[1] onwards, each with one or two leading dashes (a value either as the
// next word or after "="). xscreensaverWindow: $XSCREENSAVER_WINDOW when it is set, which -root
// draws on.
ParsedOptions parseHackOptions(const std::vector<std::string_view>& arguments,
                               std::optional<std::string_view> xscreensaverWindow);

// A window id as X tools print it: decimal, or hexadecimal after 0x. Nothing for anything else,
// including 0, which names no window.
std::optional<unsigned long> parseWindowId(std::string_view text);

} // namespace velmora::x11

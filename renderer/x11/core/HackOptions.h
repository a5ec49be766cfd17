// The command line of the X11 hack as one table, as a classic XScreenSaver hack has it: one row an
// option, from which the parser, -help and the manual page are made and against which velmora.xml
// is held. Also where the hack draws, chosen from the options and the saver host's window.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "renderer/window/core/FramePacer.h"

namespace velmora::x11 {

// The Windows renderer's frame period in whole microseconds.
inline constexpr long kDefaultDelayMicroseconds =
    static_cast<long>(window::kFramePeriodMs * 1000.0 + 0.5);

enum class HackOptionId {
    Root,
    WindowId,
    Fps,
    Delay,
    Help,
    Version,
};

enum class OptionValue {
    Flag,         // no value: the option alone says it
    WindowId,     // decimal, or hexadecimal after 0x
    Microseconds, // a frame period, whole microseconds from low to high
};

struct HackOption {
    HackOptionId id;
    std::string_view name; // without its dashes
    OptionValue value;
    std::string_view valueName; // how -help and the manual page show the value
    long low;
    long high;
    long byDefault;
    std::string_view help; // one line, lower case, no full stop
    std::string_view also; // a second name, or empty
    bool orPrevious;       // in the synopsis, the alternative to the row before
};

inline constexpr HackOption kHackOptions[] = {
    {HackOptionId::Root, "root", OptionValue::Flag, "", 0, 0, 0,
     "draw on the window in $XSCREENSAVER_WINDOW, or on the root window", "", false},
    {HackOptionId::WindowId, "window-id", OptionValue::WindowId, "ID", 0, 0, 0,
     "draw on the window ID, decimal or hexadecimal after 0x", "", true},
    {HackOptionId::Fps, "fps", OptionValue::Flag, "", 0, 0, 0,
     "show the frame rate in the lower left corner", "", false},
    // Up to ten seconds: a longer period is a typing error rather than a frame rate.
    {HackOptionId::Delay, "delay", OptionValue::Microseconds, "MICROSECONDS", 0, 10'000'000,
     kDefaultDelayMicroseconds, "microseconds from one frame to the next", "", false},
    {HackOptionId::Help, "help", OptionValue::Flag, "", 0, 0, 0, "list the options", "h", false},
    {HackOptionId::Version, "version", OptionValue::Flag, "", 0, 0, 0, "print the version", "",
     false},
};

enum class DrawTarget {
    OwnWindow,
    // The root window: -root without $XSCREENSAVER_WINDOW.
    Root,
    // -window-id, or the saver host's $XSCREENSAVER_WINDOW.
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
// next word or after "="). saverWindow: $XSCREENSAVER_WINDOW when it is set, the window a saver
// host (XScreenSaver, xsecurelock) hands over, drawn on unless -window-id names another.
ParsedOptions parseHackOptions(const std::vector<std::string_view>& arguments,
                               std::optional<std::string_view> saverWindow);

// A window id as X tools print it: decimal, or hexadecimal after 0x. Nothing for anything else,
// including 0, which names no window.
std::optional<unsigned long> parseWindowId(std::string_view text);

// What -help prints.
std::string hackHelp();

// The manual page's synopsis and its list of options, in troff.
std::string manualSynopsis();
std::string manualOptions();

} // namespace velmora::x11

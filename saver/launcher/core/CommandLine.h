// The screensaver command line: what its second character asks for, and the preview window
// handle that follows a "P".
#pragma once

#include <cstdint>
#include <string_view>

namespace velmora::launcher {

enum class LaunchMode {
    Preview,          // "P": a still picture inside the host's preview window
    Configure,        // "C": the settings dialog
    Saver,            // "S": a full-screen run with the mouse cursor hidden
    SaverCursorShown, // an empty line: a full-screen run that leaves the cursor alone
    None,             // anything else: nothing to do
};

struct LaunchRequest {
    LaunchMode mode = LaunchMode::None;
    int32_t previewHandle = 0; // only read for Preview
};

// The arguments of a whole command line as the system hands it over: what follows the program
// path (up to its closing quote, or unquoted up to the first blank or tab) and the blanks and
// tabs after it.
std::string_view argumentsOf(std::string_view commandLine);

// The mode letter is the second character upper-cased; the first is never looked at, so /s,
// -S and xs all mean "S". A "P" takes the handle from the fourth character on.
LaunchRequest parseCommandLine(std::string_view arguments);

} // namespace velmora::launcher

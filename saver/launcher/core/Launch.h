// What the start-up of Velmora.scr decides from what it is handed: the mode and the preview
// window handle of the screensaver command line, and the preview form's size from the host's
// window.
#pragma once

#include <cstdint>
#include <string_view>

namespace velmora::launcher {

enum class LaunchMode {
    Preview,   // "P": a still picture inside the host's preview window
    Configure, // "C": the settings dialog
    Saver,     // "S" or an empty line: a full-screen run
    None,      // anything else: nothing to do
};

struct LaunchRequest {
    LaunchMode mode = LaunchMode::None;
    int32_t previewHandle = 0; // only read for Preview
    bool hideCursor = false;   // a run asked for by "S"; an empty line leaves the cursor alone
};

// The arguments of a whole command line as the system hands it over: what follows the program
// path (up to its closing quote, or unquoted up to the first blank or tab) and the blanks and
// tabs after it.
std::string_view argumentsOf(std::string_view commandLine);

// The mode letter is the second character upper-cased; the first is never looked at, so /s,
// -S and xs all mean "S". A "P" takes the handle from the fourth character on: the leading
// number there (blanks, tabs and line feeds skipped, &H / &O read), rounded with halves to even
// to a 32-bit integer; 0 when there is none or it is out of range.
LaunchRequest parseCommandLine(std::string_view arguments);

// A side of the preview form: pixels x twipsPerPixel, rounded to the nearest integer (halves to
// even). A side that does not fit 16 bits (above 2184 pixels at 15 twips per pixel) stays 0, as
// the failed store leaves it.
int16_t previewTwips(int pixels, double twipsPerPixel);

} // namespace velmora::launcher

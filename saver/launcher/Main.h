// Main: the start-up of Velmora.scr. It guards against a second copy, reads the mode from the
// command line and opens the preview, the settings dialog or a full-screen run.
#pragma once

#include <string_view>

namespace velmora::launcher {

// arguments: the command line after the program path. Returns the program's exit code once
// its last window has gone.
int Main(std::string_view arguments);

} // namespace velmora::launcher

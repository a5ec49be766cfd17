// Ends the hack on the first X error or a lost display with one line on standard error, as
// happens when the window it draws on goes away.
#pragma once

namespace velmora::x11 {

// Installs the handlers; exit code 1.
void exitOnXErrors();

} // namespace velmora::x11

// Ends the hack on the first X error or a lost display with one line on standard error; but an
// error that says the window drawn on no longer exists is the daemon's ordinary end of a run,
// which the hack takes quietly.
#pragma once

namespace velmora::x11 {

// Installs the handlers; exit code 1.
void exitOnXErrors();

// From now on an error naming this window as missing (the core protocol's, or GLX's from
// glxErrorBase) marks it gone instead of ending the hack.
void watchDrawnWindow(unsigned long window, int glxErrorBase);

// An error has said the window is gone; every error after it is ignored, since nothing of the
// window is left to draw or release.
bool drawnWindowGone();

// For an end that found the window gone by its destroy event.
void markDrawnWindowGone();

} // namespace velmora::x11

// The ways the hack's run ends, and its one wait between frames.
// - Stop signals: SIGTERM and SIGINT are held back everywhere but in the wait, which therefore
//   ends at once on a signal as on an X event, whatever the delay, and in the drawing of a frame,
//   which a signal cuts short: a frame of a software GL can take longer than a stop may.
// - X errors: the first one, or a lost display, ends the hack with one line on standard error;
//   but an error that says the window drawn on no longer exists is the daemon's ordinary end of a
//   run, which the hack takes quietly.
#pragma once

#include <X11/Xlib.h>

namespace velmora::x11 {

// First thing in main, before any thread is made, so that no thread takes a signal outside the
// wait.
void holdStopSignals();

// A stop signal has arrived.
bool stopRequested();

// Around the drawing of a frame: a stop signal meanwhile ends the process at once with status 0,
// leaving the context and the window for the X server to release. The connection is closed first:
// the kernel would close it only after unmapping the process's memory, which is slow for a large
// process, and the daemon waits for it to go.
void beginStoppableFrame(int connection);
void endStoppableFrame();

// Sends what is buffered, then waits until an X event is queued or can be read, a stop signal
// arrives or ms milliseconds have passed; 0 only takes a signal that is already waiting.
void awaitWake(Display* display, unsigned int ms);

// Installs the X error handlers; exit code 1.
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

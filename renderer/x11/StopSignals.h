// The hack's stop signals and its one wait: SIGTERM and SIGINT are held back everywhere but in the
// wait between frames, which therefore ends at once on a signal as on an X event, whatever the
// delay, and in the drawing of a frame, which a signal cuts short: a frame of a software GL can
// take longer than a stop may.
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

} // namespace velmora::x11

// The black windows over every monitor but the scene's during a full-screen run.
#pragma once

#include <windows.h>

#include <vector>

namespace velmora::window {

// Covers each monitor that does not show the scene (whose window starts at the virtual
// screen's origin) with a black, borderless, topmost window that takes neither the focus nor
// the keyboard. Call after the display mode has changed, since the monitors move with it.
std::vector<HWND> createCoverWindows(HINSTANCE instance);

// Destroys the covers and their class; safe with none made.
void destroyCoverWindows(std::vector<HWND>& covers, HINSTANCE instance);

} // namespace velmora::window

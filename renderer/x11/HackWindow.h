// HackWindow: the X window the hack draws on (its own, the root or a given one) and the GLX
// context made for that window's own visual.
#pragma once

#include <GL/glx.h>
#include <X11/Xlib.h>

#include <string>

#include "renderer/x11/core/HackEvents.h"
#include "renderer/x11/core/HackOptions.h"

namespace velmora::x11 {

struct HackWindow {
    Display* display = nullptr;
    Window window = 0;
    // The window was made here, so it is destroyed here and closed by Escape or its close box.
    bool own = false;
    Atom deleteWindow = 0;
    int glxErrorBase = 0;
    GLXContext context = nullptr;
    bool doubleBuffered = true;
    int width = 0;
    int height = 0;
};

// Opens the display, finds or makes the window and makes a current context for it. On failure
// returns the reason, one line without the program's name, and leaves what was made in window
// for closeHackWindow.
std::string openHackWindow(const HackOptions& options, HackWindow& window);

// Releases the context, the own window and the display; safe with any part of them made, and
// with the window already destroyed by someone else.
void closeHackWindow(HackWindow& window);

// The event as the hack's decisions see it.
HackEvent describeEvent(const HackWindow& window, XEvent& event);

// The hack's state as those decisions see it.
HackState hackState(const HackWindow& window);

// Shows the frame just drawn.
void showFrame(const HackWindow& window);

} // namespace velmora::x11

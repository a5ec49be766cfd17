// Finding the window to draw on, giving it a GL context of its own visual, and releasing both.
#include "renderer/x11/HackWindow.h"

#include <X11/Xutil.h>

#include <cstdlib>

namespace velmora::x11 {

namespace {

constexpr int kOwnWidth = 1024;
constexpr int kOwnHeight = 768;

Window rootTarget(Display* display) {
    if (const char* named = std::getenv("XSCREENSAVER_WINDOW")) {
        if (const std::optional<unsigned long> id = parseWindowId(named)) {
            return *id;
        }
    }
    return DefaultRootWindow(display);
}

// A window of its own: double-buffered RGBA with a depth buffer, as the Windows renderer asks.
std::string makeOwnWindow(HackWindow& hack, XVisualInfo*& visual) {
    int attributes[] = {GLX_RGBA, GLX_DOUBLEBUFFER, GLX_DEPTH_SIZE, 16, None};
    Display* display = hack.display;
    visual = glXChooseVisual(display, DefaultScreen(display), attributes);
    if (!visual) {
        return "the display has no double-buffered RGBA GL visual";
    }
    const Window root = RootWindow(display, visual->screen);
    XSetWindowAttributes set{};
    set.colormap = XCreateColormap(display, root, visual->visual, AllocNone);
    set.event_mask = StructureNotifyMask | KeyPressMask;
    hack.window = XCreateWindow(display, root, 0, 0, kOwnWidth, kOwnHeight, 0, visual->depth,
                                InputOutput, visual->visual, CWColormap | CWEventMask, &set);
    hack.own = true;
    XStoreName(display, hack.window, "Velmora");
    hack.deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(display, hack.window, &hack.deleteWindow, 1);
    XMapWindow(display, hack.window);
    return {};
}

// The visual of a window made by someone else, which the context must match.
std::string takeGivenWindow(HackWindow& hack, Window given, XVisualInfo*& visual) {
    Display* display = hack.display;
    hack.window = given;
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, given, &attributes)) {
        return "the window to draw on does not exist";
    }
    XVisualInfo wanted{};
    wanted.visualid = XVisualIDFromVisual(attributes.visual);
    int found = 0;
    visual = XGetVisualInfo(display, VisualIDMask, &wanted, &found);
    int usesGl = 0;
    if (!visual || glXGetConfig(display, visual, GLX_USE_GL, &usesGl) != 0 || !usesGl) {
        return "the window's visual does not support GL";
    }
    int doubleBuffered = 0;
    glXGetConfig(display, visual, GLX_DOUBLEBUFFER, &doubleBuffered);
    hack.doubleBuffered = doubleBuffered != 0;
    // Size changes of the window reach the hack as configure events.
    XSelectInput(display, given, attributes.your_event_mask | StructureNotifyMask);
    return {};
}

} // namespace

std::string openHackWindow(const HackOptions& options, HackWindow& hack) {
    hack.display = XOpenDisplay(nullptr);
    if (!hack.display) {
        return std::string("cannot open display ") + XDisplayName(nullptr);
    }
    int errorBase = 0;
    int eventBase = 0;
    if (!glXQueryExtension(hack.display, &errorBase, &eventBase)) {
        return "the display has no GL (no GLX extension)";
    }
    XVisualInfo* visual = nullptr;
    std::string failure;
    switch (options.target) {
    case DrawTarget::OwnWindow:
        failure = makeOwnWindow(hack, visual);
        break;
    case DrawTarget::Root:
        failure = takeGivenWindow(hack, rootTarget(hack.display), visual);
        break;
    case DrawTarget::GivenWindow:
        failure = takeGivenWindow(hack, options.windowId, visual);
        break;
    }
    if (failure.empty()) {
        hack.context = glXCreateContext(hack.display, visual, nullptr, True);
        if (!hack.context || !glXMakeCurrent(hack.display, hack.window, hack.context)) {
            failure = "no GL context can be made for the window";
        }
    }
    if (visual) {
        XFree(visual);
    }
    if (failure.empty()) {
        XWindowAttributes attributes;
        XGetWindowAttributes(hack.display, hack.window, &attributes);
        hack.width = hack.own ? kOwnWidth : attributes.width;
        hack.height = hack.own ? kOwnHeight : attributes.height;
    }
    return failure;
}

void closeHackWindow(HackWindow& hack) {
    if (!hack.display) {
        return;
    }
    if (hack.context) {
        glXMakeCurrent(hack.display, None, nullptr);
        glXDestroyContext(hack.display, hack.context);
        hack.context = nullptr;
    }
    if (hack.own && hack.window) {
        XDestroyWindow(hack.display, hack.window);
    }
    hack.window = 0;
    XCloseDisplay(hack.display);
    hack.display = nullptr;
}

void showFrame(const HackWindow& hack) {
    if (hack.doubleBuffered) {
        glXSwapBuffers(hack.display, hack.window);
    } else {
        glFlush();
    }
}

} // namespace velmora::x11

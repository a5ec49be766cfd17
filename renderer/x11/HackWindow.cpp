// Finding the window to draw on, giving it a GL context of its own visual, and releasing both.
#include "renderer/x11/HackWindow.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <unistd.h>

#include <cstdlib>

#include "contract/SharedNames.h"
#include "renderer/window/core/RunScreen.h"
#include "renderer/x11/HackEnds.h"

namespace velmora::x11 {

namespace {

constexpr int kOwnWidth = window::kRunScreenWidth;
constexpr int kOwnHeight = window::kRunScreenHeight;

// What window managers and tools read of a program's window: process, title, class and size.
// The title comes last, in one go with class and size: a tool that finds the window by its title
// finds the rest there too (atoms are looked up with a round trip, which sends what is buffered).
void describeOwnWindow(Display* display, Window window) {
    const long pid = getpid();
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_PID", False), XA_CARDINAL, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(&pid), 1);
    XTextProperty name{};
    char* names[] = {const_cast<char*>(contract::kHackWindowTitle)};
    XStringListToTextProperty(names, 1, &name);
    XSizeHints* size = XAllocSizeHints();
    size->flags = PSize;
    size->width = kOwnWidth;
    size->height = kOwnHeight;
    XClassHint* kind = XAllocClassHint();
    // The program's name and its capitalised class, as X programs give them.
    char resourceName[] = "velmora";
    char className[] = "Velmora";
    kind->res_name = resourceName;
    kind->res_class = className;
    // Also the client machine, which gives the process id its meaning.
    XSetWMProperties(display, window, &name, &name, nullptr, 0, size, nullptr, kind);
    XFree(kind);
    XFree(size);
    XFree(name.value);
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
    hack.deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(display, hack.window, &hack.deleteWindow, 1);
    describeOwnWindow(display, hack.window);
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
    const char* named = std::getenv("DISPLAY");
    if (!named || !*named) {
        return "no DISPLAY set";
    }
    hack.display = XOpenDisplay(nullptr);
    if (!hack.display) {
        return std::string("cannot open display \"") + named + "\"";
    }
    int eventBase = 0;
    if (!glXQueryExtension(hack.display, &hack.glxErrorBase, &eventBase)) {
        return "the display has no GL (no GLX extension)";
    }
    XVisualInfo* visual = nullptr;
    std::string failure;
    switch (options.target) {
    case DrawTarget::OwnWindow:
        failure = makeOwnWindow(hack, visual);
        break;
    case DrawTarget::Root:
        failure = takeGivenWindow(hack, DefaultRootWindow(hack.display), visual);
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
    if (hack.own && hack.window && !drawnWindowGone()) {
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

namespace {

HackKey keyOf(XKeyEvent& key) {
    switch (XLookupKeysym(&key, 0)) {
    case XK_Escape:
        return HackKey::Escape;
    case XK_q:
        return HackKey::Q;
    default:
        return HackKey::Other;
    }
}

} // namespace

HackEvent describeEvent(const HackWindow& hack, XEvent& event) {
    HackEvent described;
    described.onTarget = event.xany.window == hack.window;
    switch (event.type) {
    case ConfigureNotify:
        described.kind = HackEventKind::SizeChanged;
        described.onTarget = event.xconfigure.window == hack.window;
        described.width = event.xconfigure.width;
        described.height = event.xconfigure.height;
        break;
    case KeyPress:
        described.kind = HackEventKind::KeyPressed;
        described.key = keyOf(event.xkey);
        break;
    case ClientMessage:
        if (static_cast<Atom>(event.xclient.data.l[0]) == hack.deleteWindow) {
            described.kind = HackEventKind::CloseAsked;
        }
        break;
    case DestroyNotify:
        described.kind = HackEventKind::WindowDestroyed;
        described.onTarget = event.xdestroywindow.window == hack.window;
        break;
    default:
        break;
    }
    return described;
}

HackState hackState(const HackWindow& hack) {
    return {hack.own, hack.width, hack.height};
}

} // namespace velmora::x11

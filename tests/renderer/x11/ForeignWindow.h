// ForeignWindow: a window of the kind a screensaver daemon makes, for the hack's tests on an X
// screen: mapped, with a GL visual, not the hack's; and what the tests read of it.
#pragma once

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <GL/glx.h>

#include <cstdio>
#include <string>
#include <utility>

namespace velmora::x11 {

class ForeignWindow {
public:
    ForeignWindow(int width, int height) : display_(XOpenDisplay(nullptr)) {
        int attributes[] = {GLX_RGBA, GLX_DOUBLEBUFFER, None};
        XVisualInfo* visual = glXChooseVisual(display_, DefaultScreen(display_), attributes);
        const Window root = DefaultRootWindow(display_);
        XSetWindowAttributes set{};
        set.colormap = XCreateColormap(display_, root, visual->visual, AllocNone);
        window_ = XCreateWindow(display_, root, 0, 0, width, height, 0, visual->depth, InputOutput,
                                visual->visual, CWColormap, &set);
        XFree(visual);
        XMapWindow(display_, window_);
        XSync(display_, False);
    }
    ~ForeignWindow() {
        destroy();
        XCloseDisplay(display_);
    }
    Display* display() const { return display_; }
    Window id() const { return window_; }
    std::string hexId() const {
        char hex[32];
        std::snprintf(hex, sizeof hex, "0x%lx", window_);
        return hex;
    }

    // As the daemon does at the end of a run or of a preview.
    void destroy() {
        if (window_) {
            XDestroyWindow(display_, window_);
            XSync(display_, False);
            window_ = 0;
        }
    }

    // Once the hack has chosen the window's events, it has taken the window.
    bool watchedByAnotherClient() const {
        XWindowAttributes attributes;
        XGetWindowAttributes(display_, window_, &attributes);
        return (attributes.all_event_masks & StructureNotifyMask) != 0;
    }

    // Pixels that are not black in the left and in the right half of the window.
    std::pair<int, int> litHalves() const {
        XWindowAttributes attributes;
        XGetWindowAttributes(display_, window_, &attributes);
        XImage* image = XGetImage(display_, window_, 0, 0, attributes.width, attributes.height,
                                  AllPlanes, ZPixmap);
        std::pair<int, int> halves;
        for (int y = 0; y < attributes.height; ++y) {
            for (int x = 0; x < attributes.width; ++x) {
                const bool lit = XGetPixel(image, x, y) != 0;
                (x < attributes.width / 2 ? halves.first : halves.second) += lit ? 1 : 0;
            }
        }
        XDestroyImage(image);
        return halves;
    }

private:
    Display* display_;
    Window window_ = 0;
};

} // namespace velmora::x11

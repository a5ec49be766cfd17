// The X error handlers of the hack.
#include "renderer/x11/XErrorLine.h"

#include <X11/Xlib.h>
// The protocol's sized types, which the GLX error codes' header needs first.
#include <X11/Xmd.h>

#include <GL/glxproto.h>

#include <cstdio>
#include <cstdlib>

namespace velmora::x11 {

namespace {

unsigned long drawnWindow = 0;
int glxErrors = 0;
bool windowGone = false;

bool saysWindowMissing(const XErrorEvent& error) {
    const int code = error.error_code;
    const bool missing = code == BadWindow || code == BadDrawable ||
                         code == glxErrors + GLXBadDrawable || code == glxErrors + GLXBadWindow ||
                         code == glxErrors + GLXBadCurrentWindow;
    return drawnWindow != 0 && missing && error.resourceid == drawnWindow;
}

int onError(Display* display, XErrorEvent* error) {
    if (windowGone || saysWindowMissing(*error)) {
        windowGone = true;
        return 0;
    }
    char text[160];
    XGetErrorText(display, error->error_code, text, sizeof text);
    std::fprintf(stderr, "velmora: X error: %s (request %d, resource 0x%lx)\n", text,
                 error->request_code, error->resourceid);
    std::_Exit(1);
}

int onLostDisplay(Display*) {
    std::fprintf(stderr, "velmora: the connection to the X display was lost\n");
    std::_Exit(1);
}

} // namespace

void exitOnXErrors() {
    XSetErrorHandler(onError);
    XSetIOErrorHandler(onLostDisplay);
}

void watchDrawnWindow(unsigned long window, int glxErrorBase) {
    drawnWindow = window;
    glxErrors = glxErrorBase;
}

bool drawnWindowGone() {
    return windowGone;
}

void markDrawnWindowGone() {
    windowGone = true;
}

} // namespace velmora::x11

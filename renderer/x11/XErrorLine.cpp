// The X error handlers of the hack.
#include "renderer/x11/XErrorLine.h"

#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

namespace velmora::x11 {

namespace {

int onError(Display* display, XErrorEvent* error) {
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

} // namespace velmora::x11

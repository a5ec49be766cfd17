// The hack's stop signals, held back outside ppoll, which lets them in atomically with the wait;
// and its X error handlers.
#include "renderer/x11/HackEnds.h"

// The protocol's sized types, which the GLX error codes' header needs first.
#include <X11/Xmd.h>

#include <GL/glxproto.h>
#include <poll.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>

namespace velmora::x11 {

namespace {

volatile std::sig_atomic_t stopSignalled = 0;
// Only the main thread ever takes the signals: every other thread starts with them held back.
volatile std::sig_atomic_t inFrame = 0;
volatile std::sig_atomic_t frameConnection = -1;
sigset_t stopSignals;
sigset_t waitMask;

void requestStop(int) {
    stopSignalled = 1;
    if (inFrame) {
        close(frameConnection);
        _exit(0);
    }
}

} // namespace

void holdStopSignals() {
    struct sigaction action {};
    action.sa_handler = requestStop;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGINT);
    sigprocmask(SIG_BLOCK, &stopSignals, &waitMask);
    sigdelset(&waitMask, SIGTERM);
    sigdelset(&waitMask, SIGINT);
}

bool stopRequested() {
    return stopSignalled != 0;
}

void beginStoppableFrame(int connection) {
    frameConnection = connection;
    inFrame = 1;
    sigprocmask(SIG_UNBLOCK, &stopSignals, nullptr);
}

void endStoppableFrame() {
    sigprocmask(SIG_BLOCK, &stopSignals, nullptr);
    inFrame = 0;
}

void awaitWake(Display* display, unsigned int ms) {
    XFlush(display);
    // Events read in with a reply during the frame wait in Xlib's queue, where the socket no
    // longer shows them.
    if (XEventsQueued(display, QueuedAlready) > 0) {
        ms = 0;
    }
    pollfd wake{ConnectionNumber(display), POLLIN, 0};
    const timespec timeout{static_cast<time_t>(ms / 1000),
                           static_cast<long>(ms % 1000) * 1'000'000};
    // Interrupted by a signal or not, the caller looks at what woke it.
    ppoll(&wake, 1, &timeout, &waitMask);
}

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

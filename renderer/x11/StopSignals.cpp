// Stop signals held back outside ppoll, which lets them in atomically with the wait.
#include "renderer/x11/StopSignals.h"

#include <X11/Xlib.h>
#include <poll.h>
#include <unistd.h>

#include <csignal>

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

} // namespace velmora::x11

// Stop signals held back outside ppoll, which lets them in atomically with the wait.
#include "renderer/x11/StopSignals.h"

#include <poll.h>

#include <csignal>

namespace velmora::x11 {

namespace {

volatile std::sig_atomic_t stopSignalled = 0;
sigset_t waitMask;

void requestStop(int) {
    stopSignalled = 1;
}

} // namespace

void holdStopSignals() {
    struct sigaction action {};
    action.sa_handler = requestStop;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    sigset_t stops;
    sigemptyset(&stops);
    sigaddset(&stops, SIGTERM);
    sigaddset(&stops, SIGINT);
    sigprocmask(SIG_BLOCK, &stops, &waitMask);
    sigdelset(&waitMask, SIGTERM);
    sigdelset(&waitMask, SIGINT);
}

bool stopRequested() {
    return stopSignalled != 0;
}

void awaitWake(int descriptor, unsigned int ms) {
    pollfd wake{descriptor, POLLIN, 0};
    const timespec timeout{static_cast<time_t>(ms / 1000),
                           static_cast<long>(ms % 1000) * 1'000'000};
    // Interrupted by a signal or not, the caller looks at what woke it.
    ppoll(&wake, 1, &timeout, &waitMask);
}

} // namespace velmora::x11

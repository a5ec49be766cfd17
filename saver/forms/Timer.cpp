// Timer: SetTimer on the form's window, ticks delivered as WM_TIMER (see Timer.h).
#include "saver/forms/Timer.h"

namespace velmora::forms {

Timer::Timer(Form& form, unsigned intervalMs, bool enabled)
    : form_(form), interval_(intervalMs), enabled_(enabled) {
    form_.addControl(*this);
}

Timer::~Timer() {
    formDestroyed();
    form_.removeControl(*this);
}

// Enabling a running timer leaves its count alone; only a change starts or stops it.
void Timer::setEnabled(bool enabled) {
    if (enabled == enabled_) {
        return;
    }
    enabled_ = enabled;
    apply();
}

void Timer::setInterval(unsigned intervalMs) {
    interval_ = intervalMs;
    apply();
}

void Timer::formCreated(HWND form) {
    window_ = form;
    apply();
}

void Timer::formDestroyed() {
    if (window_) {
        KillTimer(window_, id());
    }
    window_ = nullptr;
}

// A new interval starts the count afresh.
void Timer::apply() {
    if (!window_) {
        return;
    }
    if (enabled_ && interval_ > 0) {
        SetTimer(window_, id(), interval_, nullptr);
    } else {
        KillTimer(window_, id());
    }
}

bool Timer::timerFired(UINT_PTR firedId) {
    if (firedId != id()) {
        return false;
    }
    if (enabled_ && onTick) {
        onTick();
    }
    return true;
}

} // namespace velmora::forms

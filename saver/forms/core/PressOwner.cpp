// The owner of the mouse press (see PressOwner.h).
#include "saver/forms/core/PressOwner.h"

namespace velmora::forms {

void PressOwner::press(uintptr_t window, unsigned button) {
    if (window != owner_) {
        owner_ = window;
        held_ = 0;
    }
    held_ |= button;
}

PressOwner::Release PressOwner::release(uintptr_t window, unsigned button, bool overWindow) {
    if (window != owner_ || (held_ & button) == 0) {
        return Release::NotOwned;
    }
    held_ &= ~button;
    if (held_ == 0) {
        owner_ = 0;
    }
    return overWindow ? Release::Over : Release::Outside;
}

bool PressOwner::lost(uintptr_t window) {
    if (!holding(window)) {
        return false;
    }
    owner_ = 0;
    held_ = 0;
    return true;
}

} // namespace velmora::forms

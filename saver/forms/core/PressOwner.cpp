// The owner of the mouse press, on windows and on windowless controls (see PressOwner.h).
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

uintptr_t WindowlessPress::press(uintptr_t under, MouseButton button) {
    const uintptr_t owner = owner_.holder().value_or(under);
    owner_.press(owner, static_cast<unsigned>(button));
    return owner;
}

std::optional<uintptr_t> WindowlessPress::release(uintptr_t under, MouseButton button) {
    const std::optional<uintptr_t> owner = owner_.holder();
    if (!owner) {
        return std::nullopt;
    }
    const PressOwner::Release release =
        owner_.release(*owner, static_cast<unsigned>(button), under == *owner);
    if (release != PressOwner::Release::Over || button != MouseButton::Left ||
        *owner == kBackground) {
        return std::nullopt;
    }
    return owner;
}

void WindowlessPress::lost() {
    if (const std::optional<uintptr_t> owner = owner_.holder()) {
        owner_.lost(*owner);
    }
}

} // namespace velmora::forms

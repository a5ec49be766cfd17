// Presses on windowless controls (see WindowlessPress.h).
#include "saver/forms/core/WindowlessPress.h"

namespace velmora::forms {

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

// The application-wide mouse pointer (see ScreenPointer.h).
#include "saver/forms/ScreenPointer.h"

namespace velmora::forms {

namespace {
ScreenPointer current = ScreenPointer::Default;

HCURSOR systemCursor(int id) {
    return LoadCursorW(nullptr, MAKEINTRESOURCEW(id));
}
} // namespace

void setScreenPointer(ScreenPointer pointer) {
    current = pointer;
    // Shown at once: a long call that follows gets no mouse message to update the pointer.
    SetCursor(
        systemCursor(pointer == ScreenPointer::Hourglass ? 32514 : 32512)); // IDC_WAIT, IDC_ARROW
}

HCURSOR screenPointerOverride() {
    return current == ScreenPointer::Hourglass ? systemCursor(32514) : nullptr;
}

} // namespace velmora::forms

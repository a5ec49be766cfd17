// The application-wide mouse pointer (see ScreenPointer.h).
#include "saver/forms/ScreenPointer.h"

namespace velmora::forms {

namespace {
ScreenPointer current = ScreenPointer::Default;

HCURSOR hourglassPointer() {
    return LoadCursorA(nullptr, IDC_WAIT);
}
} // namespace

void setScreenPointer(ScreenPointer pointer) {
    current = pointer;
    // Shown at once: a long call that follows gets no mouse message to update the pointer.
    SetCursor(pointer == ScreenPointer::Hourglass ? hourglassPointer() : arrowPointer());
}

HCURSOR screenPointerOverride() {
    return current == ScreenPointer::Hourglass ? hourglassPointer() : nullptr;
}

HCURSOR arrowPointer() {
    return LoadCursorA(nullptr, IDC_ARROW);
}

} // namespace velmora::forms

// The application-wide mouse pointer: while it is not the default it shows over every window
// of the program, whatever the window or control under the mouse would show.
#pragma once

#include <windows.h>

namespace velmora::forms {

enum class ScreenPointer { Default, Hourglass };

void setScreenPointer(ScreenPointer pointer);
// The pointer to show instead of a window's own, or null while the default is set.
HCURSOR screenPointerOverride();

// The system's standard arrow: the pointer of the forms' windows and of what has none of its own.
HCURSOR arrowPointer();

} // namespace velmora::forms

// Mouse input as the user gives it, to whichever window is under the pointer.
#pragma once

#include <windows.h>

namespace velmora::testing {

// One mouse event with these MOUSEEVENTF_ flags (buttons, or a move of no distance).
inline void sendMouse(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof(input));
}

} // namespace velmora::testing

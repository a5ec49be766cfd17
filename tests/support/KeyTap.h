// A key pressed the way a person or `xdotool key` presses it: down and up at once, as keyboard
// input to whichever window has the focus.
#pragma once

#include <windows.h>

namespace velmora::testing {

inline void tapKey(WORD virtualKey) {
    INPUT keys[2]{};
    for (INPUT& key : keys) {
        key.type = INPUT_KEYBOARD;
        key.ki.wVk = virtualKey;
        key.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtualKey, 0));
    }
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof(INPUT));
}

} // namespace velmora::testing

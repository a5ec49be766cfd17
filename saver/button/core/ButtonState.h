// The visual states of the push button, the faces it can show and the mouse button codes its
// events carry.
#pragma once

#include <cstdint>

namespace velmora::button {

// None until Initialize has run; the other four combine focus and hover.
enum class ButtonState : uint8_t {
    None = 0,
    Normal = 1,          // not focused, pointer elsewhere
    HighLight = 2,       // not focused, pointer over the button
    Selected = 3,        // focused, pointer elsewhere
    HighLightSelect = 4, // focused, pointer over the button, also while pressed
};

// One built-in face bitmap each.
enum class ButtonFace : uint8_t { Normal, HighLight, HighLightSelect, Selected, Pressed, Disable };

// Button codes of the mouse events.
constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;
constexpr int kMiddleButton = 4;

} // namespace velmora::button

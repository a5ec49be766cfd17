// What the button's logic asks of the window it runs in, and the states, faces and mouse button
// codes they speak of. The Win32 control implements the view; the tests record its calls.
#pragma once

#include "saver/button/core/ButtonFace.h"
#include "saver/button/core/Caption.h"
#include "saver/forms/core/MouseButton.h"

#include <cstdint>
#include <string_view>

namespace velmora::button {

// None until Initialize has run; the other four combine focus and hover.
enum class ButtonState : uint8_t {
    None = 0,
    Normal = 1,          // not focused, pointer elsewhere
    HighLight = 2,       // not focused, pointer over the button
    Selected = 3,        // focused, pointer elsewhere
    HighLightSelect = 4, // focused, pointer over the button, also while pressed
};

// Button codes of the mouse events.
constexpr int kLeftButton = static_cast<int>(forms::MouseButton::Left);
constexpr int kRightButton = static_cast<int>(forms::MouseButton::Right);
constexpr int kMiddleButton = static_cast<int>(forms::MouseButton::Middle);

class ButtonView {
public:
    virtual ~ButtonView() = default;

    // Clears the surface, fills the face gradient (dark at the top when reversed), copies the
    // border tiles of the face bitmap, shows the result and places the caption label.
    // False when the face could not be drawn.
    virtual bool drawFace(ButtonFace face, bool reversed) = 0;

    // The caption label shows this look from now on.
    virtual void showCaption(const CaptionLook& look) = 0;

    // Opaque or transparent background.
    virtual void setOpaque(bool opaque) = 0;

    // Switches the 100 ms pointer poll on.
    virtual void startPoll() = 0;

    virtual void raiseClick() = 0;

    // Tells the container that a persisted property has a new value.
    virtual void propertyChanged(std::string_view key) = 0;
};

} // namespace velmora::button

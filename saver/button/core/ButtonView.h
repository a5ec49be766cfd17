// What the button's logic asks of the window it runs in. The Win32 control implements it; the
// tests record the calls.
#pragma once

#include "saver/button/core/ButtonState.h"
#include "saver/button/core/Caption.h"

#include <string_view>

namespace velmora::button {

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

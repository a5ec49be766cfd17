// The push button's behaviour without a window: its visual state machine over mouse, focus and
// pointer-poll events, the rules of its public properties and the loading and saving of its
// persisted properties. Every visible effect is a call on a ButtonView, what the logic asks of
// the window it runs in: the Win32 control implements the view; the tests record its calls.
#pragma once

#include "saver/button/core/Caption.h"
#include "saver/button/core/FaceDrawing.h"
#include "saver/forms/core/PressOwner.h"
#include "saver/forms/core/PropertyBag.h"

#include <cstdint>
#include <string>
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

class ButtonMachine {
public:
    explicit ButtonMachine(ButtonView& view) : view_(view) {}

    // State Normal and the pointer poll on; draws nothing.
    void Initialize();

    // Reading Enabled, FontColour or Visible redraws the resting face, as the control always did.
    bool Enabled();
    void setEnabled(bool enabled);
    uint32_t FontColour();
    void setFontColour(uint32_t colour);
    bool Visible();
    void setVisible(bool visible);
    const std::string& Caption() const { return caption_.text; }
    void setCaption(const std::string& text);
    const forms::FontDesign& Font() const { return caption_.font; }
    void setFont(const forms::FontDesign& font);

    // Events of the window (the caption label passes its mouse events on unchanged).
    void MouseMove();
    void MouseDown(int button);
    void MouseUp(int button);
    // The release of a press of this button away from it: the pointer has left, and no click.
    void MouseUpElsewhere(int button);
    // Another window took the mouse mid-press (a system dialog, a cancelled mode): the press
    // ends without a click, the button shows its resting look and hovers again at once.
    void MouseCaptureLost();
    void GotFocus();
    void LostFocus();
    void Resize();
    // One tick of the pointer poll: whether the window under the pointer is the button's own.
    void TmrMouse_Timer(bool pointerOverButton);

    // The container loads and saves the persisted properties through these; a font left at the
    // container's ambient font is not stored.
    void ReadProperties(const forms::PropertyBag& bag, const forms::FontDesign& ambient);
    void WriteProperties(forms::PropertyBag& bag, const forms::FontDesign& ambient);

    ButtonState State() const { return state_; }
    bool Held() const { return held_; }
    bool Reversed() const { return reversed_; }
    bool EnabledFlag() const { return enabledFlag_; }
    uint8_t FirstRun() const { return firstRun_; }
    bool opaque() const { return opaque_; }
    const CaptionLook& captionLook() const { return caption_; }

private:
    void MouseLeft();
    void releaseLook(int button);
    // The state first: the face's gradient follows the state it is drawn in.
    void enter(ButtonState state, ButtonFace face);
    // enter(to, face), but only from the state from.
    void change(ButtonState from, ButtonState to, ButtonFace face);
    bool showFace(ButtonFace face);
    void ApplyEnabledLook();
    void RefreshNormalLook();
    // False, with the colour unchanged, for a value that is not a colour.
    bool setCaptionColour(uint32_t colour);
    void setCaptionEnabled(bool enabled);

    ButtonView& view_;
    ButtonState state_ = ButtonState::None;
    bool held_ = false;
    bool reversed_ = false;
    bool enabledFlag_ = false;
    uint8_t firstRun_ = 0;
    bool opaque_ = true;
    CaptionLook caption_;
};

// The stored properties of a button with every property at its default but its caption and
// font, as the settings dialog's buttons are saved.
forms::PropertyBag captionedProperties(const std::string& caption,
                                       const forms::FontDesign& font = forms::designFont());

} // namespace velmora::button

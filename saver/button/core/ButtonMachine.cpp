// The push button's state machine, the rules of its public properties and the loading and
// saving of its persisted properties. A stored value that cannot be read leaves its property as
// it was, like any other error of the control.
#include "saver/button/core/ButtonMachine.h"

#include <charconv>
#include <optional>
#include <string_view>

namespace velmora::button {

void ButtonMachine::Initialize() {
    state_ = ButtonState::Normal;
    view_.startPoll();
}

// --- Properties -------------------------------------------------------------------------------

bool ButtonMachine::Enabled() {
    // A control that never had its properties loaded becomes enabled on its first use.
    if (firstRun_ == 0) {
        RefreshNormalLook();
        firstRun_ = 1;
        enabledFlag_ = true;
    }
    const bool enabled = enabledFlag_;
    ApplyEnabledLook();
    return enabled;
}

void ButtonMachine::setEnabled(bool enabled) {
    enabledFlag_ = enabled;
    view_.propertyChanged("Enabled");
    ApplyEnabledLook();
}

uint32_t ButtonMachine::FontColour() {
    const uint32_t colour = caption_.colour;
    RefreshNormalLook();
    return colour;
}

void ButtonMachine::setFontColour(uint32_t colour) {
    const bool applied = setCaptionColour(colour);
    RefreshNormalLook();
    if (applied) {
        view_.propertyChanged("FontColour");
    }
}

bool ButtonMachine::Visible() {
    if (opaque_) {
        RefreshNormalLook();
    }
    return opaque_;
}

void ButtonMachine::setVisible(bool visible) {
    opaque_ = visible;
    view_.setOpaque(visible);
    if (visible) {
        RefreshNormalLook();
    }
    view_.propertyChanged("Visible");
}

void ButtonMachine::setCaption(const std::string& text) {
    caption_.text = text;
    view_.showCaption(caption_);
    view_.propertyChanged("Caption");
}

void ButtonMachine::setFont(const forms::FontDesign& font) {
    caption_.font = font;
    view_.showCaption(caption_);
    view_.propertyChanged("Font");
}

// --- State machine: a disabled button ignores every event ------------------------------------

void ButtonMachine::MouseMove() {
    if (!enabledFlag_) {
        return;
    }
    change(ButtonState::Normal, ButtonState::HighLight, ButtonFace::HighLight);
    // Moving back in while still pressed after the pointer had left must not arm a click.
    if (!held_) {
        change(ButtonState::Selected, ButtonState::HighLightSelect, ButtonFace::HighLightSelect);
    }
}

void ButtonMachine::MouseLeft() {
    if (!enabledFlag_) {
        return;
    }
    change(ButtonState::HighLight, ButtonState::Normal, ButtonFace::Normal);
    change(ButtonState::HighLightSelect, ButtonState::Selected, ButtonFace::Selected);
}

void ButtonMachine::TmrMouse_Timer(bool pointerOverButton) {
    if (!pointerOverButton) {
        MouseLeft();
    }
}

void ButtonMachine::GotFocus() {
    if (!enabledFlag_) {
        return;
    }
    // Focus from a click arrives while hovering: the face shows the press straight away.
    if (state_ == ButtonState::HighLight) {
        enter(ButtonState::HighLightSelect, ButtonFace::Pressed);
    } else {
        enter(ButtonState::Selected, ButtonFace::Selected);
    }
}

void ButtonMachine::LostFocus() {
    if (!enabledFlag_ || state_ == ButtonState::Normal) {
        return;
    }
    enter(ButtonState::Normal, ButtonFace::Normal);
}

void ButtonMachine::MouseDown(int button) {
    if (!enabledFlag_ || button != kLeftButton) {
        return;
    }
    held_ = true;
    showFace(ButtonFace::Pressed);
}

void ButtonMachine::MouseUp(int button) {
    if (!enabledFlag_) {
        return;
    }
    releaseLook(button);
    // A focused button the pointer has left cancels the click; any mouse button may click.
    if (state_ != ButtonState::Selected && enabledFlag_) {
        view_.raiseClick();
    }
}

void ButtonMachine::MouseUpElsewhere(int button) {
    if (!enabledFlag_) {
        return;
    }
    MouseLeft();
    releaseLook(button);
}

void ButtonMachine::MouseCaptureLost() {
    if (!enabledFlag_ || !held_) {
        return;
    }
    held_ = false;
    const bool focused = state_ == ButtonState::Selected || state_ == ButtonState::HighLightSelect;
    if (focused) {
        enter(ButtonState::Selected, ButtonFace::Selected);
    } else {
        enter(state_ == ButtonState::None ? ButtonState::None : ButtonState::Normal,
              ButtonFace::Normal);
    }
}

void ButtonMachine::releaseLook(int button) {
    if (button != kLeftButton) {
        return;
    }
    held_ = false;
    if (state_ == ButtonState::HighLight) {
        showFace(ButtonFace::Normal);
    } else if (state_ == ButtonState::HighLightSelect) {
        showFace(ButtonFace::HighLightSelect);
    }
}

void ButtonMachine::Resize() {
    ApplyEnabledLook();
}

// --- Drawing ----------------------------------------------------------------------------------

void ButtonMachine::enter(ButtonState state, ButtonFace face) {
    state_ = state;
    showFace(face);
}

void ButtonMachine::change(ButtonState from, ButtonState to, ButtonFace face) {
    if (state_ == from) {
        enter(to, face);
    }
}

bool ButtonMachine::showFace(ButtonFace face) {
    // Hovering from the unfocused state turns the gradient over; the focused hover keeps
    // whichever way it was reached from.
    if (state_ == ButtonState::Normal || state_ == ButtonState::Selected) {
        reversed_ = false;
    } else if (state_ == ButtonState::HighLight) {
        reversed_ = true;
    }
    return view_.drawFace(face, reversed_);
}

void ButtonMachine::ApplyEnabledLook() {
    showFace(enabledFlag_ ? ButtonFace::Normal : ButtonFace::Disable);
    setCaptionEnabled(enabledFlag_);
}

void ButtonMachine::RefreshNormalLook() {
    if (!enabledFlag_) {
        return;
    }
    setCaptionEnabled(true);
    if (firstRun_ == 0) {
        setCaptionColour(0);
    }
    if (!showFace(ButtonFace::Normal)) {
        setCaptionColour(0);
    }
}

bool ButtonMachine::setCaptionColour(uint32_t colour) {
    if (!isValidColour(colour)) {
        return false;
    }
    caption_.colour = colour;
    view_.showCaption(caption_);
    return true;
}

void ButtonMachine::setCaptionEnabled(bool enabled) {
    caption_.enabled = enabled;
    view_.showCaption(caption_);
}

// --- Persisted properties -----------------------------------------------------------------

namespace {

// Keys with their read and write defaults.
struct PropertyKey {
    const char* name;
    const char* readDefault;
    const char* writeDefault;
};
constexpr PropertyKey kEnabled{"Enabled", "True", "True"};
constexpr PropertyKey kCaption{"Caption", "Command1", "Command"};
constexpr PropertyKey kFirstRun{"FirstRun", "1", "1"};
constexpr PropertyKey kFontColour{"FontColour", "0", "0"};
constexpr PropertyKey kVisible{"Visible", "1", "1"};
constexpr const char* kFont = "Font";

std::optional<long long> parseInteger(std::string_view text) {
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// "True" and "False", or a number where any value but 0 is true.
std::optional<bool> parseBoolean(std::string_view text) {
    if (text == "True") {
        return true;
    }
    if (text == "False") {
        return false;
    }
    const auto number = parseInteger(text);
    return number ? std::optional<bool>(*number != 0) : std::nullopt;
}

// Signed or unsigned decimal text of a 32-bit value.
std::optional<uint32_t> parseColour(std::string_view text) {
    const auto number = parseInteger(text);
    if (!number || *number < INT32_MIN || *number > UINT32_MAX) {
        return std::nullopt;
    }
    return static_cast<uint32_t>(*number);
}

std::string read(const forms::PropertyBag& bag, const PropertyKey& key) {
    return bag.read(key.name, key.readDefault);
}

void write(forms::PropertyBag& bag, const PropertyKey& key, const std::string& value) {
    bag.write(key.name, value, key.writeDefault);
}

} // namespace

void ButtonMachine::ReadProperties(const forms::PropertyBag& bag,
                                   const forms::FontDesign& ambient) {
    if (const auto enabled = parseBoolean(read(bag, kEnabled))) {
        enabledFlag_ = *enabled;
    }
    caption_.text = read(bag, kCaption);
    if (const auto font = fontFromText(bag.read(kFont, fontToText(ambient)))) {
        caption_.font = *font;
    }
    const auto firstRun = parseInteger(read(bag, kFirstRun));
    if (firstRun && *firstRun >= 0 && *firstRun <= UINT8_MAX) {
        firstRun_ = static_cast<uint8_t>(*firstRun);
    }
    if (const auto colour = parseColour(read(bag, kFontColour))) {
        setCaptionColour(*colour);
    }
    const auto visible = parseInteger(read(bag, kVisible));
    if (visible && (*visible == 0 || *visible == 1)) {
        opaque_ = *visible == 1;
        view_.setOpaque(opaque_);
    }
    view_.showCaption(caption_);
    RefreshNormalLook();
}

void ButtonMachine::WriteProperties(forms::PropertyBag& bag, const forms::FontDesign& ambient) {
    write(bag, kEnabled, enabledFlag_ ? "True" : "False");
    write(bag, kCaption, caption_.text);
    write(bag, kFirstRun, std::to_string(firstRun_));
    bag.write(kFont, fontToText(caption_.font), fontToText(ambient));
    write(bag, kFontColour, std::to_string(caption_.colour));
    write(bag, kVisible, opaque_ ? "1" : "0");
    RefreshNormalLook();
}

forms::PropertyBag captionedProperties(const std::string& caption, const forms::FontDesign& font) {
    forms::PropertyBag bag;
    write(bag, kCaption, caption);
    bag.write(kFont, fontToText(font), "");
    return bag;
}

} // namespace velmora::button

// Loading and saving the button's persisted properties. A stored value that cannot be read
// leaves its property as it was, like any other error of the control.
#include "saver/button/core/ButtonMachine.h"

#include <charconv>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::button {

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

// The look of the button's caption label: its text, font, colour and enabled state, and the
// text form in which the font is persisted.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "saver/forms/core/FontDesign.h"

namespace velmora::button {

// "size,charset,weight,italic,underline,strikethrough,name"; the name comes last so that any
// character may appear in it.
std::string fontToText(const forms::FontDesign& font);
std::optional<forms::FontDesign> fontFromText(std::string_view text);

struct CaptionLook {
    std::string text = "Command";
    forms::FontDesign font = forms::designFont();
    uint32_t colour = 0; // &H00BBGGRR, or &H800000nn for a system colour
    bool enabled = true;
    bool operator==(const CaptionLook&) const = default;
};

// Colour values with the top bit set name a system colour by its index.
constexpr uint32_t kSystemColourFlag = 0x80000000u;

// Whether a colour value can be given to the caption: an RGB value, or one of the system colours
// (&H80000000 plus the colour's index).
bool isValidColour(uint32_t colour);

} // namespace velmora::button

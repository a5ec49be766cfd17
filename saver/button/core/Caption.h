// The look of the button's caption label: its text, font, colour and enabled state, and the
// text form in which the font is persisted.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::button {

struct CaptionFont {
    std::string name;  // face name, UTF-8
    double size = 0.0; // points
    int charset = 0;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    bool operator==(const CaptionFont&) const = default;
};

// The font the control is designed with: ＭＳ Ｐゴシック 9.75 pt, Shift-JIS, regular weight.
CaptionFont designFont();

// "size,charset,weight,italic,underline,strikethrough,name"; the name comes last so that any
// character may appear in it.
std::string fontToText(const CaptionFont& font);
std::optional<CaptionFont> fontFromText(std::string_view text);

struct CaptionLook {
    std::string text = "Command";
    CaptionFont font = designFont();
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

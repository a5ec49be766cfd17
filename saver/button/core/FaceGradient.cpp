// The face gradient's vertices and the reading of its colour constants.
#include "saver/button/core/FaceGradient.h"

namespace velmora::button {

namespace {

constexpr std::string_view kLight = "&HFFFFFF";
constexpr std::string_view kDark = "&HC6C5D7";

int hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return 0;
}

// The pair of digits at index pair, 0 where the text is shorter.
uint16_t channel(std::string_view digits, size_t pair) {
    const size_t at = pair * 2;
    if (at + 1 >= digits.size()) {
        return 0;
    }
    const int value = hexDigit(digits[at]) * 16 + hexDigit(digits[at + 1]);
    return static_cast<uint16_t>(value << 8);
}

} // namespace

GradientVertex colourFromText(std::string_view text) {
    if (text.starts_with("&H") || text.starts_with("&h")) {
        text.remove_prefix(2);
    }
    GradientVertex vertex;
    vertex.Red = channel(text, 0);
    vertex.Green = channel(text, 1);
    vertex.Blue = channel(text, 2);
    return vertex;
}

std::array<GradientVertex, 4> faceGradient(int widthPixels, int heightPixels, bool reversed) {
    GradientVertex top = colourFromText(reversed ? kDark : kLight);
    GradientVertex bottom = colourFromText(reversed ? kLight : kDark);
    bottom.X = widthPixels - 1;
    bottom.Y = heightPixels - 1;
    return {top, bottom, GradientVertex{}, GradientVertex{}};
}

} // namespace velmora::button

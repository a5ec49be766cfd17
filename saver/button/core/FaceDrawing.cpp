// The border tiles and caption rectangle of the button face, and its gradient's vertices.
#include "saver/button/core/FaceDrawing.h"

namespace velmora::button {

std::array<FaceTile, 8> faceTiles(int width, int height) {
    constexpr int band = kBandTwips;
    constexpr int right = kFaceWidthTwips - band;   // 900
    constexpr int bottom = kFaceHeightTwips - band; // 315
    constexpr int across = right - band;            // 840
    constexpr int down = bottom - band;             // 255
    // The corners land one twip in from the left and top: the face's own outer ring shows there.
    return {{
        {{0, 0, band, band}, {1, 1, band, band}},
        {{band, 1, across, band}, {band, 1, width - 2 * band, band}},
        {{right, 1, band, band}, {width - band, 1, band, band}},
        {{right, band, band, down}, {width - band, band, band, height - 2 * band}},
        {{right, bottom, band, band}, {width - band, height - band, band, band}},
        {{band, bottom, across, band}, {band, height - band, width - 2 * band, band}},
        {{0, bottom, band, band}, {1, height - band, band, band}},
        {{1, band, band, down}, {1, band, band, height - 2 * band}},
    }};
}

base::TwipsRect captionRect(int width, int height) {
    return {0, (height - kCaptionHeightTwips - 20) / 2, width, kCaptionHeightTwips};
}

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
    vertex.red = channel(text, 0);
    vertex.green = channel(text, 1);
    vertex.blue = channel(text, 2);
    return vertex;
}

std::array<GradientVertex, 4> faceGradient(int widthPixels, int heightPixels, bool reversed) {
    GradientVertex top = colourFromText(reversed ? kDark : kLight);
    GradientVertex bottom = colourFromText(reversed ? kLight : kDark);
    bottom.x = widthPixels - 1;
    bottom.y = heightPixels - 1;
    return {top, bottom, GradientVertex{}, GradientVertex{}};
}

} // namespace velmora::button

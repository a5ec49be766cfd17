// The faces of the push button and how one is drawn, in numbers: the eight border tiles copied
// from a face bitmap (in twips of the control, stretched along the edges), the caption label's
// rectangle, and the two-colour vertical gradient behind the face in the layout of the
// platform's vertices.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "base/Rect.h"

namespace velmora::button {

// One built-in bitmap each; the asset generator draws them and the button shows them, both in
// this order.
enum class ButtonFace : uint8_t { Normal, HighLight, HighLightSelect, Selected, Pressed, Disable };
inline constexpr size_t kButtonFaceCount = 6;

struct FaceTile {
    base::TwipsRect source;      // in the face bitmap
    base::TwipsRect destination; // on the control
};

// A face bitmap is 64 x 25 pixels at 15 twips a pixel; its border band is 4 pixels.
constexpr int kFaceWidthTwips = 960;
constexpr int kFaceHeightTwips = 375;
constexpr int kBandTwips = 60;

// The corners, edges in between, clockwise from the top-left corner, for a control of
// width x height twips. The bitmap's interior is never copied: the gradient shows there.
std::array<FaceTile, 8> faceTiles(int width, int height);

// The caption label spans the control's width; its text sits 10 twips above the middle.
constexpr int kCaptionHeightTwips = 195;
base::TwipsRect captionRect(int width, int height);

struct GradientVertex {
    int32_t x = 0;
    int32_t y = 0;
    uint16_t red = 0;
    uint16_t green = 0;
    uint16_t blue = 0;
    uint16_t alpha = 0;
    bool operator==(const GradientVertex&) const = default;
};

// Channels of a colour text such as "&HC6C5D7", read as red, green and blue digit pairs in that
// order (not the &HBBGGRR order of colour values), each in the high byte of its 16-bit channel.
GradientVertex colourFromText(std::string_view text);

// Four vertices as the platform call takes them; the face rectangle runs from vertex 0 at the
// top-left pixel to vertex 1 at the bottom-right one. Light (#FFFFFF) at the top and dark
// (#C6C5D7) at the bottom, or the other way round when reversed.
std::array<GradientVertex, 4> faceGradient(int widthPixels, int heightPixels, bool reversed);

} // namespace velmora::button

// The two-colour vertical gradient behind the button face: its end points and colours in the
// layout of the platform's gradient vertices (16-bit channels).
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace velmora::button {

struct GradientVertex {
    int32_t X = 0;
    int32_t Y = 0;
    uint16_t Red = 0;
    uint16_t Green = 0;
    uint16_t Blue = 0;
    uint16_t Alpha = 0;
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

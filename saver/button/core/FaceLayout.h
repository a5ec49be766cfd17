// Where the parts of the button face go, in twips of the control: the eight border tiles copied
// from a face bitmap, stretched along the edges, and the caption label's place.
#pragma once

#include <array>

namespace velmora::button {

struct TwipRect {
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
    bool operator==(const TwipRect&) const = default;
};

struct FaceTile {
    TwipRect Source;      // in the face bitmap
    TwipRect Destination; // on the control
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
TwipRect captionPlace(int width, int height);

} // namespace velmora::button

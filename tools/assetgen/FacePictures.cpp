// Button faces. Every pixel gets a ring level, its distance from the outside with the corners
// rounded off; each face then colours the levels: 0 the light outer ring, 1 the frame, 2 and 3
// the inner ring, 4 and more the face itself. Pressed sets everything in by one more pixel.
#include "tools/assetgen/FacePictures.h"

#include <algorithm>
#include <cmath>

namespace velmora::assetgen {

using button::ButtonFace;

namespace {

constexpr int kCornerRadius = 4;
constexpr Rgba kFrameBlue = rgb(0x003C74);

// Ring level of a pixel: below 0 lies outside the rounded corner.
int ringLevel(int x, int y) {
    const int dx = std::min(x, kFaceWidth - 1 - x);
    const int dy = std::min(y, kFaceHeight - 1 - y);
    if (dx >= kCornerRadius || dy >= kCornerRadius) {
        return std::min(dx, dy);
    }
    const double fromCentre = std::hypot(kCornerRadius - dx, kCornerRadius - dy);
    return kCornerRadius - static_cast<int>(std::lround(fromCentre));
}

enum class Side { Top, Bottom, Left, Right };

// Which edge a pixel of the border band belongs to; corners go to the top or bottom edge.
Side sideOf(int x, int y) {
    const int dx = std::min(x, kFaceWidth - 1 - x);
    const int dy = std::min(y, kFaceHeight - 1 - y);
    if (dy <= dx) {
        return y < kFaceHeight / 2 ? Side::Top : Side::Bottom;
    }
    return x < kFaceWidth / 2 ? Side::Left : Side::Right;
}

// The light outer ring of the raised faces: bright at the top, shading to beige at the bottom.
Rgba raisedOuterRing(int y) {
    return mix(rgb(0xFAFAF6), rgb(0xDCD6C2), static_cast<double>(y) / (kFaceHeight - 1));
}

// Colours of levels 2 and 3 (index 0 is level 2, next to the frame) on one side.
struct InnerRing {
    Rgba top[2];
    Rgba side[2];
    Rgba bottom[2];
};

constexpr InnerRing kNormalRing = {
    {rgb(0xF3F3EE), rgb(0xF3F3EE)}, {rgb(0xF3F3EE), rgb(0xF3F3EE)}, {rgb(0xD6D0C5), rgb(0xE2DFD6)}};
constexpr InnerRing kHighLightRing = {
    {rgb(0xFFF0CF), rgb(0xFDD889)}, {rgb(0xFCCA69), rgb(0xFCCA69)}, {rgb(0xE59700), rgb(0xF8B330)}};
constexpr InnerRing kSelectedRing = {
    {rgb(0xCEE7FF), rgb(0xCEE7FF)}, {rgb(0xA9C5EF), rgb(0xA9C5EF)}, {rgb(0x6982EE), rgb(0x6982EE)}};
constexpr InnerRing kDisableRing = {
    {rgb(0xF5F4EA), rgb(0xF5F4EA)}, {rgb(0xF5F4EA), rgb(0xF5F4EA)}, {rgb(0xF5F4EA), rgb(0xF5F4EA)}};

Rgba innerRingColour(const InnerRing& ring, int level, Side side) {
    const int i = level - 2;
    switch (side) {
    case Side::Top:
        return ring.top[i];
    case Side::Bottom:
        return ring.bottom[i];
    default:
        return ring.side[i];
    }
}

Rgba raisedPixel(const InnerRing& ring, Rgba frame, Rgba face, int x, int y) {
    const int level = ringLevel(x, y);
    if (level <= 0) {
        return raisedOuterRing(y);
    }
    if (level == 1) {
        return frame;
    }
    if (level <= 3) {
        return innerRingColour(ring, level, sideOf(x, y));
    }
    return face;
}

// The pressed face: the frame one pixel further in, a flat outer ring and a shadow under the
// top edge.
Rgba pressedPixel(int x, int y) {
    const int level = ringLevel(x, y);
    if (level <= 1) {
        return rgb(0xECE9D8);
    }
    if (level == 2) {
        return kFrameBlue;
    }
    if (level == 3 && sideOf(x, y) == Side::Top) {
        return rgb(0xD1CCC1);
    }
    return rgb(0xE2E1D9);
}

Rgba disabledPixel(int x, int y) {
    if (ringLevel(x, y) <= 0) {
        return rgb(0xECE9D8);
    }
    return raisedPixel(kDisableRing, rgb(0xC9C7BA), rgb(0xF5F4EA), x, y);
}

Rgba facePixel(ButtonFace face, int x, int y) {
    switch (face) {
    case ButtonFace::Normal:
        return raisedPixel(kNormalRing, kFrameBlue, rgb(0xF3F3EE), x, y);
    case ButtonFace::HighLight:
    case ButtonFace::HighLightSelect:
        return raisedPixel(kHighLightRing, kFrameBlue, rgb(0xF3F3EE), x, y);
    case ButtonFace::Selected:
        return raisedPixel(kSelectedRing, kFrameBlue, rgb(0xF3F3EE), x, y);
    case ButtonFace::Pressed:
        return pressedPixel(x, y);
    case ButtonFace::Disable:
        return disabledPixel(x, y);
    }
    return {};
}

} // namespace

Picture makeFacePicture(ButtonFace face) {
    Picture picture(kFaceWidth, kFaceHeight);
    for (int y = 0; y < kFaceHeight; ++y) {
        for (int x = 0; x < kFaceWidth; ++x) {
            picture.at(x, y) = facePixel(face, x, y);
        }
    }
    return picture;
}

} // namespace velmora::assetgen

// The border tiles of the button face and the caption label's place.
#include "saver/button/core/FaceLayout.h"

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

TwipRect captionPlace(int width, int height) {
    return {0, (height - kCaptionHeightTwips - 20) / 2, width, kCaptionHeightTwips};
}

} // namespace velmora::button

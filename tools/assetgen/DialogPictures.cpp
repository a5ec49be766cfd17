// Option marks, icon and hand cursor.
#include "tools/assetgen/DialogPictures.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

#include "tools/assetgen/StarPicture.h"

namespace velmora::assetgen {

namespace {

bool onBorder(int x, int y, int size) {
    return x == 0 || y == 0 || x == size - 1 || y == size - 1;
}

// A square mark: a one-pixel frame round a filled inside.
Picture makeMark(Rgba frame, Rgba inside) {
    Picture mark(kMarkSize, kMarkSize);
    for (int y = 0; y < kMarkSize; ++y) {
        for (int x = 0; x < kMarkSize; ++x) {
            mark.at(x, y) = onBorder(x, y, kMarkSize) ? frame : inside;
        }
    }
    return mark;
}

// The hand, drawn with 'X' for the black outline, '.' for the white inside and blanks for
// see-through; row 0, column 5 lands on the hot spot.
constexpr std::array<std::string_view, 21> kHand = {
    "     XX          ", //
    "    X..X         ", //
    "    X..X         ", //
    "    X..X         ", //
    "    X..X         ", //
    "    X..XXX       ", //
    "    X..X..XXX    ", //
    "    X..X..X..XX  ", //
    " XX X..X..X..X.X ", //
    "X..XX........X..X", //
    "X...X...........X", //
    " X..X...........X", //
    "  X.............X", //
    "  X.............X", //
    "   X............X", //
    "   X...........X ", //
    "    X..........X ", //
    "    X..........X ", //
    "     X........X  ", //
    "     X........X  ", //
    "     XXXXXXXXXX  ", //
};
// The star glint drawn larger than in the star picture, so that it fills the small icon.
constexpr double kIconStarScale = 0.8;
constexpr double kIconLift = 0.6;
constexpr double kIconHaze = 12.0;
constexpr int kHandArtLeft = kHandHotX - 5;
constexpr int kHandArtTop = kHandHotY;

} // namespace

Picture makeMarkOffPicture() {
    return makeMark(rgb(0x808080), rgb(0xFFFFFF));
}

Picture makeMarkOnPicture() {
    return makeMark(rgb(0x1C3F94), rgb(0x2E63D8));
}

Picture makeIconPicture() {
    const Rgba background = rgb(0x0A1450);
    Picture icon(kIconSize, kIconSize);
    const double centre = (kIconSize - 1) / 2.0;
    for (int y = 0; y < kIconSize; ++y) {
        for (int x = 0; x < kIconSize; ++x) {
            const double v =
                starBrightness((x - centre) * kIconStarScale, (y - centre) * kIconStarScale);
            // Lifting the faint levels makes the rays readable at icon size; the faintest
            // haze is dropped so the background stays dark.
            const double glow =
                std::pow(std::clamp((v - kIconHaze) / (227.0 - kIconHaze), 0.0, 1.0), kIconLift);
            icon.at(x, y) = mix(background, rgb(0xFFFFFF), glow);
        }
    }
    return icon;
}

Picture makeHandPicture() {
    Picture hand(kIconSize, kIconSize, Rgba{0, 0, 0, 0});
    for (std::size_t row = 0; row < kHand.size(); ++row) {
        for (std::size_t column = 0; column < kHand[row].size(); ++column) {
            const char c = kHand[row][column];
            if (c == ' ') {
                continue;
            }
            hand.at(kHandArtLeft + static_cast<int>(column), kHandArtTop + static_cast<int>(row)) =
                c == 'X' ? rgb(0x000000) : rgb(0xFFFFFF);
        }
    }
    return hand;
}

} // namespace velmora::assetgen

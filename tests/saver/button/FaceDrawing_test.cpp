// The geometry and colours of the button face: the border tiles for the dialog's button sizes,
// the caption's place and the gradient's vertices.
#include "saver/button/core/FaceDrawing.h"

#include <gtest/gtest.h>

namespace velmora::button {
namespace {

using Tiles = std::array<TwipsRect, 8>;

Tiles destinations(int width, int height) {
    Tiles rects;
    const auto tiles = faceTiles(width, height);
    for (size_t i = 0; i < tiles.size(); ++i) {
        rects[i] = tiles[i].destination;
    }
    return rects;
}

TEST(FaceLayout, SourceTilesCoverTheBitmapsBorderBand) {
    const Tiles expected = {{{0, 0, 60, 60},
                             {60, 1, 840, 60},
                             {900, 1, 60, 60},
                             {900, 60, 60, 255},
                             {900, 315, 60, 60},
                             {60, 315, 840, 60},
                             {0, 315, 60, 60},
                             {1, 60, 60, 255}}};
    const auto tiles = faceTiles(1755, 420);
    for (size_t i = 0; i < tiles.size(); ++i) {
        EXPECT_EQ(tiles[i].source, expected[i]) << "tile " << i;
    }
}

TEST(FaceLayout, TheSmallFileButtonStretchesItsEdgesTo495And195) {
    const Tiles expected = {{{1, 1, 60, 60},
                             {60, 1, 495, 60},
                             {555, 1, 60, 60},
                             {555, 60, 60, 195},
                             {555, 255, 60, 60},
                             {60, 255, 495, 60},
                             {1, 255, 60, 60},
                             {1, 60, 60, 195}}};
    EXPECT_EQ(destinations(615, 315), expected);
}

TEST(FaceLayout, TheDesignSizeStretchesItsEdgesTo1635And300) {
    const auto rects = destinations(1755, 420);
    EXPECT_EQ(rects[1], (TwipsRect{60, 1, 1635, 60}));
    EXPECT_EQ(rects[3], (TwipsRect{1695, 60, 60, 300}));
    EXPECT_EQ(rects[4], (TwipsRect{1695, 360, 60, 60}));
}

TEST(FaceLayout, CaptionSitsTenTwipsAboveTheMiddle) {
    EXPECT_EQ(captionPlace(1755, 420), (TwipsRect{0, 102, 1755, 195}));
    EXPECT_EQ(captionPlace(1155, 375), (TwipsRect{0, 80, 1155, 195}));
    EXPECT_EQ(captionPlace(615, 315), (TwipsRect{0, 50, 615, 195}));
}

TEST(FaceGradient, ColourTextIsReadAsRedGreenBlue) {
    const GradientVertex dark = colourFromText("&HC6C5D7");
    EXPECT_EQ(dark.Red, 0xC600);
    EXPECT_EQ(dark.Green, 0xC500);
    EXPECT_EQ(dark.Blue, 0xD700);
    EXPECT_EQ(dark.Alpha, 0);
    const GradientVertex mixed = colourFromText("&h0a1B2c");
    EXPECT_EQ(mixed.Red, 0x0A00);
    EXPECT_EQ(mixed.Green, 0x1B00);
    EXPECT_EQ(mixed.Blue, 0x2C00);
}

TEST(FaceGradient, RunsLightToDarkUnlessReversed) {
    const GradientVertex light{0, 0, 0xFF00, 0xFF00, 0xFF00, 0};
    const auto normal = faceGradient(117, 28, false);
    EXPECT_EQ(normal[0], light);
    EXPECT_EQ(normal[1], (GradientVertex{116, 27, 0xC600, 0xC500, 0xD700, 0}));
    EXPECT_EQ(normal[2], GradientVertex{});
    EXPECT_EQ(normal[3], GradientVertex{});

    const auto reversed = faceGradient(41, 21, true);
    EXPECT_EQ(reversed[0], (GradientVertex{0, 0, 0xC600, 0xC500, 0xD700, 0}));
    EXPECT_EQ(reversed[1], (GradientVertex{40, 20, 0xFF00, 0xFF00, 0xFF00, 0}));
}

} // namespace
} // namespace velmora::button

// The geometry and colours of the button face: the border tiles for the dialog's button sizes,
// the caption's rectangle and the gradient's vertices.
#include "saver/button/core/FaceDrawing.h"

#include <gtest/gtest.h>

namespace velmora::button {
namespace {

// Clockwise from the top-left corner: the part of the face bitmap each tile copies, and where it
// lands on the small file button (615 x 315 twips, edges stretched to 495 and 195).
struct TileRow {
    base::TwipsRect source;
    base::TwipsRect onFileButton;
};
const TileRow kTiles[] = {
    {{0, 0, 60, 60}, {1, 1, 60, 60}},         {{60, 1, 840, 60}, {60, 1, 495, 60}},
    {{900, 1, 60, 60}, {555, 1, 60, 60}},     {{900, 60, 60, 255}, {555, 60, 60, 195}},
    {{900, 315, 60, 60}, {555, 255, 60, 60}}, {{60, 315, 840, 60}, {60, 255, 495, 60}},
    {{0, 315, 60, 60}, {1, 255, 60, 60}},     {{1, 60, 60, 255}, {1, 60, 60, 195}},
};

std::array<base::TwipsRect, 8> destinations(int width, int height) {
    std::array<base::TwipsRect, 8> rects;
    const auto tiles = faceTiles(width, height);
    for (size_t i = 0; i < tiles.size(); ++i) {
        rects[i] = tiles[i].destination;
    }
    return rects;
}

// The source tiles cover the bitmap's border band whatever the control's size.
TEST(FaceLayout, TilesCopyTheBorderBandOntoTheSmallFileButton) {
    const auto designSize = faceTiles(1755, 420);
    const auto fileButton = faceTiles(615, 315);
    for (size_t i = 0; i < std::size(kTiles); ++i) {
        EXPECT_EQ(designSize[i].source, kTiles[i].source) << "tile " << i;
        EXPECT_EQ(fileButton[i].source, kTiles[i].source) << "tile " << i;
        EXPECT_EQ(fileButton[i].destination, kTiles[i].onFileButton) << "tile " << i;
    }
}

TEST(FaceLayout, TheDesignSizeStretchesItsEdgesTo1635And300) {
    const auto rects = destinations(1755, 420);
    EXPECT_EQ(rects[1], (base::TwipsRect{60, 1, 1635, 60}));
    EXPECT_EQ(rects[3], (base::TwipsRect{1695, 60, 60, 300}));
    EXPECT_EQ(rects[4], (base::TwipsRect{1695, 360, 60, 60}));
}

TEST(FaceLayout, CaptionSitsTenTwipsAboveTheMiddle) {
    EXPECT_EQ(captionRect(1755, 420), (base::TwipsRect{0, 102, 1755, 195}));
    EXPECT_EQ(captionRect(1155, 375), (base::TwipsRect{0, 80, 1155, 195}));
    EXPECT_EQ(captionRect(615, 315), (base::TwipsRect{0, 50, 615, 195}));
}

TEST(FaceGradient, ColourTextIsReadAsRedGreenBlue) {
    const GradientVertex dark = colourFromText("&HC6C5D7");
    EXPECT_EQ(dark.red, 0xC600);
    EXPECT_EQ(dark.green, 0xC500);
    EXPECT_EQ(dark.blue, 0xD700);
    EXPECT_EQ(dark.alpha, 0);
    const GradientVertex mixed = colourFromText("&h0a1B2c");
    EXPECT_EQ(mixed.red, 0x0A00);
    EXPECT_EQ(mixed.green, 0x1B00);
    EXPECT_EQ(mixed.blue, 0x2C00);
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

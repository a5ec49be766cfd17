// The committed dialog pictures: the two option marks, the icon and the hand cursor.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/saver/assets/AssetFileReader.h"

namespace velmora::assetgen {
namespace {

TEST(OptionMarks, AreTwelvePixelSquares) {
    for (const char* name : {"mark_off.bmp", "mark_on.bmp"}) {
        const BitmapFile mark = decodeBitmap(readAssetFile(name));
        EXPECT_EQ(mark.width, 12) << name;
        EXPECT_EQ(mark.height, 12) << name;
        EXPECT_EQ(mark.bitCount, 24u) << name;
        EXPECT_EQ(mark.compression, 0u) << name;
    }
}

TEST(OptionMarks, OffIsAnEmptyWhiteSquareInAGreyFrame) {
    const BitmapFile mark = decodeBitmap(readAssetFile("mark_off.bmp"));
    for (int i = 0; i < 12; ++i) {
        for (const Rgba& p : {mark.pixels.at(i, 0), mark.pixels.at(0, i), mark.pixels.at(i, 11),
                              mark.pixels.at(11, i)}) {
            EXPECT_TRUE(p.red == p.green && p.green == p.blue && p.red > 64 && p.red < 200)
                << "frame pixel " << i;
        }
    }
    for (int y = 1; y < 11; ++y) {
        for (int x = 1; x < 11; ++x) {
            EXPECT_EQ(mark.pixels.at(x, y), rgb(0xFFFFFF)) << x << "," << y;
        }
    }
}

TEST(OptionMarks, OnIsFilledWithBlue) {
    const BitmapFile mark = decodeBitmap(readAssetFile("mark_on.bmp"));
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 12; ++x) {
            const Rgba& p = mark.pixels.at(x, y);
            EXPECT_GT(p.blue, p.red + 60) << x << "," << y;
            EXPECT_GT(p.blue, p.green + 40) << x << "," << y;
        }
    }
}

// The directory and the image agree on one 32 x 32 picture of 32 bits per pixel.
void expectOne32By32Image(const IconEntry& entry, std::uint32_t type) {
    EXPECT_EQ(entry.type, type);
    EXPECT_EQ(entry.count, 1u);
    for (int size : {entry.width, entry.height, entry.imageWidth, entry.imageHeight}) {
        EXPECT_EQ(size, 32);
    }
    EXPECT_EQ(entry.imageBitCount, 32u);
}

TEST(Icon, IsOneOpaque32By32ImageWithABrightStarOnDarkBlue) {
    const IconEntry icon = decodeIcon(readAssetFile("velmora.ico"));
    expectOne32By32Image(icon, 1);
    ASSERT_FALSE(HasFailure());
    EXPECT_EQ(std::count(icon.seeThrough.begin(), icon.seeThrough.end(), true), 0);
    const Rgba corner = icon.colours.at(0, 0);
    EXPECT_GT(corner.blue, corner.red);
    EXPECT_LT(std::max({corner.red, corner.green, corner.blue}), 100);
    const Rgba core = icon.colours.at(16, 16);
    EXPECT_GT(std::min({core.red, core.green, core.blue}), 200);
}

TEST(HandCursor, Has32By32ImageWithHotSpotAtTheFingertip) {
    const IconEntry hand = decodeIcon(readAssetFile("hand.cur"));
    expectOne32By32Image(hand, 2);
    ASSERT_FALSE(HasFailure());
    EXPECT_EQ(hand.hotX, 12u);
    EXPECT_EQ(hand.hotY, 10u);
    const auto seeThrough = [&](int x, int y) { return hand.seeThrough[y * 32 + x]; };
    // The hot spot is on the tip of the finger, with nothing drawn above it.
    EXPECT_FALSE(seeThrough(12, 10));
    for (int y = 0; y < 10; ++y) {
        EXPECT_TRUE(seeThrough(12, y)) << y;
    }
}

TEST(HandCursor, MaskAndAlphaAgreeAndTheHandIsOutlinedWhite) {
    const IconEntry hand = decodeIcon(readAssetFile("hand.cur"));
    ASSERT_EQ(hand.imageBitCount, 32u);
    int white = 0;
    int black = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const Rgba& p = hand.colours.at(x, y);
            EXPECT_EQ(hand.seeThrough[y * 32 + x], p.alpha == 0) << x << "," << y;
            if (p.alpha == 255) {
                white += p == rgb(0xFFFFFF);
                black += p == rgb(0x000000);
            }
        }
    }
    EXPECT_GT(white, 100);
    EXPECT_GT(black, 50);
}

} // namespace
} // namespace velmora::assetgen

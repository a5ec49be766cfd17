// The committed star picture: size and format, the core colour, the fall-off along the rays
// and the diagonals, dark corners and grey pixels.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "tests/saver/assets/AssetFileReader.h"

namespace velmora::assetgen {
namespace {

class StarPictureTest : public ::testing::Test {
protected:
    BitmapFile star = decodeBitmap(readAssetFile("star.bmp"));

    int brightness(int x, int y) const {
        const Rgba& p = star.pixels.at(x, y);
        return (p.red + p.green + p.blue) / 3;
    }
};

TEST_F(StarPictureTest, IsA32By32TrueColourBitmap) {
    EXPECT_EQ(star.width, 32);
    EXPECT_EQ(star.height, 32);
    EXPECT_EQ(star.bitCount, 24u);
    EXPECT_EQ(star.compression, 0u);
    EXPECT_EQ(star.size, 40u);
    EXPECT_EQ(star.declaredSize, star.fileSize);
}

TEST_F(StarPictureTest, CoreHasItsExactColour) {
    EXPECT_EQ(star.pixels.at(16, 16), (Rgba{227, 225, 229, 255}));
}

struct FallOff {
    int distance;
    int expected;
    int tolerance;
};

TEST_F(StarPictureTest, RaysFallOffAlongBothAxesOnBothSides) {
    for (const FallOff& f : {FallOff{2, 140, 15}, FallOff{5, 50, 10}, FallOff{11, 20, 6}}) {
        const int samples[4] = {brightness(16 + f.distance, 16), brightness(16 - f.distance, 16),
                                brightness(16, 16 + f.distance), brightness(16, 16 - f.distance)};
        for (int value : samples) {
            EXPECT_NEAR(value, f.expected, f.tolerance) << "at distance " << f.distance;
        }
    }
}

TEST_F(StarPictureTest, DiagonalsFallOffFasterThanRays) {
    for (const FallOff& f : {FallOff{2, 90, 12}, FallOff{5, 30, 8}}) {
        const int d = f.distance;
        const int samples[4] = {brightness(16 + d, 16 + d), brightness(16 - d, 16 - d),
                                brightness(16 + d, 16 - d), brightness(16 - d, 16 + d)};
        for (int value : samples) {
            EXPECT_NEAR(value, f.expected, f.tolerance) << "at diagonal distance " << d;
            EXPECT_LT(value, brightness(16 + d, 16)) << "at diagonal distance " << d;
        }
    }
}

TEST_F(StarPictureTest, CornersAreNearBlack) {
    for (const auto& [x, y] : {std::pair{0, 0}, {31, 0}, {0, 31}, {31, 31}}) {
        const Rgba& p = star.pixels.at(x, y);
        EXPECT_LT(std::max({p.red, p.green, p.blue}), 10) << x << "," << y;
    }
}

TEST_F(StarPictureTest, EveryPixelIsNearlyNeutralGrey) {
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const Rgba& p = star.pixels.at(x, y);
            EXPECT_LE(std::max({p.red, p.green, p.blue}) - std::min({p.red, p.green, p.blue}), 8)
                << x << "," << y;
        }
    }
}

TEST_F(StarPictureTest, BrightnessNeverRisesAwayFromTheCore) {
    for (int d = 1; d < 16; ++d) {
        EXPECT_LE(brightness(16 + d, 16), brightness(16 + d - 1, 16)) << d;
        EXPECT_LE(brightness(16 + d, 16 + d), brightness(16 + d - 1, 16 + d - 1)) << d;
    }
}

} // namespace
} // namespace velmora::assetgen

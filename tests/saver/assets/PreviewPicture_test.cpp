// The committed preview picture: its size, a mostly black sky, star points of every tint and
// a bright glow that lies across the middle and is wider than tall.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/saver/assets/AssetFileReader.h"

namespace velmora::assetgen {
namespace {

class PreviewPictureTest : public ::testing::Test {
protected:
    BitmapFile preview = decodeBitmap(readAssetFile("preview.bmp"));

    template <typename Test> int countPixels(Test test) const {
        int n = 0;
        for (int y = 0; y < preview.height; ++y) {
            for (int x = 0; x < preview.width; ++x) {
                n += test(preview.pixels.at(x, y)) ? 1 : 0;
            }
        }
        return n;
    }
};

TEST_F(PreviewPictureTest, Is152By112TrueColour) {
    EXPECT_EQ(preview.width, 152);
    EXPECT_EQ(preview.height, 112);
    EXPECT_EQ(preview.bitCount, 24u);
    EXPECT_EQ(preview.compression, 0u);
}

TEST_F(PreviewPictureTest, IsMostlyBlack) {
    const int dark = countPixels([](const Rgba& p) {
        return std::max({p.red, p.green, p.blue}) < 48;
    });
    EXPECT_GT(dark, 152 * 112 / 2);
}

TEST_F(PreviewPictureTest, HasRedGreenBlueAndVioletPoints) {
    const auto tinted = [](int a, int b, int c) { return a >= 60 && a > b + 30 && a > c + 30; };
    EXPECT_GT(countPixels([&](const Rgba& p) { return tinted(p.red, p.green, p.blue); }), 40);
    EXPECT_GT(countPixels([&](const Rgba& p) { return tinted(p.green, p.red, p.blue); }), 40);
    EXPECT_GT(countPixels([&](const Rgba& p) { return tinted(p.blue, p.red, p.green); }), 40);
    EXPECT_GT(countPixels([](const Rgba& p) {
                  return p.red >= 60 && p.blue >= 60 && p.red > p.green + 30 &&
                         p.blue > p.green + 30;
              }),
              40);
}

TEST_F(PreviewPictureTest, BrightGlowLiesAcrossTheMiddle) {
    int left = preview.width, right = -1, top = preview.height, bottom = -1;
    for (int y = 0; y < preview.height; ++y) {
        for (int x = 0; x < preview.width; ++x) {
            const Rgba& p = preview.pixels.at(x, y);
            if (std::min({p.red, p.green, p.blue}) >= 230) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    ASSERT_GE(right, 0) << "no white glow";
    EXPECT_GT(right - left, 2 * (bottom - top));
    EXPECT_GT(top, preview.height / 4);
    EXPECT_LT(bottom, preview.height * 3 / 4);
    EXPECT_GT(left, preview.width / 8);
    EXPECT_LT(right, preview.width * 7 / 8);
}

} // namespace
} // namespace velmora::assetgen

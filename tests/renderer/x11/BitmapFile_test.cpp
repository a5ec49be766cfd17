// The star picture built into the hack reads as the saver's 32 x 32 star, and other kinds of
// bitmap are refused rather than misread.
#include "renderer/x11/core/BitmapFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "renderer/x11/StarAsset.h"

namespace velmora::x11 {
namespace {

int level(const bitmap::RgbImage& image, int x, int y) {
    return image.pixels[static_cast<std::size_t>((y * image.width + x) * 3)];
}

TEST(BitmapFile, EmbeddedStarIsTheSaversPicture) {
    const std::optional<bitmap::RgbImage> star = readRgbBitmapFile(starBitmapFile());
    ASSERT_TRUE(star);
    EXPECT_EQ(32, star->width);
    EXPECT_EQ(32, star->height);
    // Bright core near the middle, dark corners.
    EXPECT_GT(level(*star, 16, 15), 200);
    EXPECT_LT(level(*star, 0, 0), 16);
}

TEST(BitmapFile, RefusesOtherKindsAndDamage) {
    const std::span<const std::uint8_t> star = starBitmapFile();
    std::vector<std::uint8_t> bytes(star.begin(), star.end());
    std::vector<std::uint8_t> palette = bytes;
    palette[28] = 8; // 8 bits a pixel
    EXPECT_FALSE(readRgbBitmapFile(palette));
    std::vector<std::uint8_t> compressed = bytes;
    compressed[30] = 1; // run-length
    EXPECT_FALSE(readRgbBitmapFile(compressed));
    bytes.resize(bytes.size() - 10);
    EXPECT_FALSE(readRgbBitmapFile(bytes));
}

} // namespace
} // namespace velmora::x11

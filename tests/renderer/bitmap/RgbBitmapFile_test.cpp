// A 24-bit bitmap file in memory reads as its pixels, either row order, and other kinds of
// bitmap or a damaged file are refused rather than misread.
#include "renderer/bitmap/core/RgbBitmapFile.h"

#include <gtest/gtest.h>

#include "tests/renderer/bitmap/BmpBuilder.h"

namespace velmora::bitmap {
namespace {

TEST(RgbBitmapFile, ReadsBothRowOrdersBottomUp) {
    for (const int32_t height : {2, -2}) {
        const std::optional<RgbImage> image = readRgbBitmapFile(buildBmp(rgb24(3, height)));
        ASSERT_TRUE(image) << height;
        EXPECT_EQ(3, image->width);
        EXPECT_EQ(2, image->height);
        // A top-down file stores its bottom row last.
        const std::vector<uint8_t> expected = rgbRows(
            3, 2, [height](int row, int x) { return gradient(height < 0 ? 1 - row : row, x); });
        EXPECT_EQ(expected, image->pixels) << height;
    }
}

TEST(RgbBitmapFile, RefusesOtherKindsAndDamage) {
    const BmpFields good = rgb24(32, 32);
    EXPECT_FALSE(readRgbBitmapFile(buildBmp(with(good, [](BmpFields& s) {
        s.bitCount = 8;
        s.palette.assign(256, 0);
    }))));
    EXPECT_FALSE(readRgbBitmapFile(buildBmp(with(good, [](BmpFields& s) { s.compression = 1; }))));
    std::vector<uint8_t> cut = buildBmp(good);
    cut.resize(cut.size() - 10);
    EXPECT_FALSE(readRgbBitmapFile(cut));
}

} // namespace
} // namespace velmora::bitmap

// The row copy from a 24-bit section: colour order, row padding and the top-down flip.
#include "renderer/bitmap/core/RgbImage.h"

#include <gtest/gtest.h>

namespace velmora::bitmap {
namespace {

// Section rows of a 3-pixel-wide picture: 9 bytes of blue, green, red, then 3 padding bytes.
const std::vector<uint8_t> kThreeWideSection = {
    1,  2,  3,  4,  5,  6,  7,  8,  9,  0xEE, 0xEE, 0xEE, // stored row 0
    11, 12, 13, 14, 15, 16, 17, 18, 19, 0xEE, 0xEE, 0xEE, // stored row 1
};

TEST(RgbImageTest, ThreeWideRowsDropPaddingAndSwapToRgb) {
    const RgbImage image = copySectionRows(kThreeWideSection, 3, 2);
    EXPECT_EQ(image.width, 3);
    EXPECT_EQ(image.height, 2);
    EXPECT_EQ(image.pixels, (std::vector<uint8_t>{3, 2, 1, 6, 5, 4, 9, 8, 7, //
                                                  13, 12, 11, 16, 15, 14, 19, 18, 17}));
}

TEST(RgbImageTest, TopDownSectionIsTurnedBottomUp) {
    const RgbImage image = copySectionRows(kThreeWideSection, 3, -2);
    EXPECT_EQ(image.height, 2);
    EXPECT_EQ(image.pixels, (std::vector<uint8_t>{13, 12, 11, 16, 15, 14, 19, 18, 17, //
                                                  3, 2, 1, 6, 5, 4, 9, 8, 7}));
}

} // namespace
} // namespace velmora::bitmap

// Twips per pixel from the screen density, and rounding between the two units.
#include "base/Twips.h"

#include <gtest/gtest.h>

namespace velmora::base {

TEST(Twips, PerPixelFollowsTheDensity) {
    const struct {
        int dotsPerInch;
        double expected;
    } cases[] = {{96, 15}, {120, 12}, {144, 10}, {192, 7.5}, {0, 15}, {-1, 15}};
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(twipsPerPixelAt(c.dotsPerInch), c.expected) << c.dotsPerInch;
    }
}

TEST(Twips, ConversionsRoundToNearestWithHalvesToEven) {
    EXPECT_EQ(pixelsFromTwips(480, 15), 32); // the star box at 96 dpi
    EXPECT_EQ(pixelsFromTwips(480, 12), 40); // ... and at 120 dpi
    EXPECT_EQ(pixelsFromTwips(22, 15), 1);
    EXPECT_EQ(pixelsFromTwips(7, 15), 0);
    EXPECT_EQ(pixelsFromTwips(37.5, 15), 2); // 2.5 goes to the even neighbour
    EXPECT_EQ(pixelsFromTwips(52.5, 15), 4); // 3.5 as well
    EXPECT_EQ(pixelsFromTwips(-480, 15), -32);
    EXPECT_DOUBLE_EQ(twipsFromPixels(152, 15), 2280);
    EXPECT_DOUBLE_EQ(twipsFromPixels(3, 7.5), 22); // 22.5 to even
    EXPECT_DOUBLE_EQ(twipsFromPixels(5, 7.5), 38); // 37.5 to even
}

} // namespace velmora::base

// The star picture built into the hack reads as the saver's 32 x 32 star. Before the X headers,
// whose macros (None, Bool) clash with its names.
#include <gtest/gtest.h>

#include "renderer/x11/HackScene.h"

namespace velmora::x11 {
namespace {

int level(const bitmap::RgbImage& image, int x, int y) {
    return image.pixels[static_cast<std::size_t>((y * image.width + x) * 3)];
}

TEST(HackScene, EmbeddedStarIsTheSaversPicture) {
    const std::optional<bitmap::RgbImage> star = starPicture();
    ASSERT_TRUE(star);
    EXPECT_EQ(32, star->width);
    EXPECT_EQ(32, star->height);
    // Bright core near the middle, dark corners.
    EXPECT_GT(level(*star, 16, 15), 200);
    EXPECT_LT(level(*star, 0, 0), 16);
}

} // namespace
} // namespace velmora::x11

// The preview form's sides in twips, including the 16-bit limit.
#include "saver/launcher/core/PreviewSize.h"

#include <gtest/gtest.h>

namespace velmora::launcher {

TEST(PreviewTwips, HostSidesAsSixteenBitTwips) {
    const struct {
        int pixels;
        double perPixel;
        int16_t twips;
    } cases[] = {
        {152, 15, 2280}, {112, 15, 1680}, {0, 15, 0},        {2184, 15, 32760},
        {2185, 15, 0},   {4000, 15, 0},   {2730, 12, 32760}, {2731, 12, 0},
        {3, 7.5, 22},    {5, 7.5, 38}, // halves to even
        {-10, 15, -150}, {-2185, 15, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(previewTwips(c.pixels, c.perPixel), c.twips) << c.pixels << " at " << c.perPixel;
    }
}

} // namespace velmora::launcher

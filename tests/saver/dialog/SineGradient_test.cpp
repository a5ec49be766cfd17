// The dialog's background gradients: one level per row, a half sine wave dark at the top and
// bottom and brightest at mid-height, and the two colourings.
#include "saver/dialog/core/SineGradient.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace velmora::dialog {
namespace {

TEST(SineGradient, OneLevelPerRowIncludingTheClosingOne) {
    for (double height : {243.0, 165.0, 10.6, 1.0}) {
        EXPECT_EQ(sineGradientLevels(height).size(), static_cast<size_t>(std::lround(height)) + 1)
            << height;
    }
    EXPECT_TRUE(sineGradientLevels(0).empty());
    EXPECT_TRUE(sineGradientLevels(-5).empty());
}

TEST(SineGradient, AHalfWaveFromDarkThroughTheBrightestMiddleToDark) {
    for (double height : {165.0, 243.0, 1000.0}) {
        const auto levels = sineGradientLevels(height);
        const size_t last = levels.size() - 1;
        EXPECT_EQ(levels.front(), 0) << height;
        EXPECT_EQ(levels.back(), 0) << height;
        EXPECT_EQ(levels[last / 2], 220) << height;
        for (size_t y = 0; y < last; ++y) {
            // Rising to the middle, falling after it, and the same on the way down as up.
            EXPECT_TRUE(y < last / 2 ? levels[y] <= levels[y + 1] : levels[y] >= levels[y + 1])
                << height << " row " << y;
            EXPECT_LE(std::abs(levels[y] - levels[last - y]), 1) << height << " row " << y;
            EXPECT_LE(levels[y], 220);
        }
    }
}

TEST(SineGradient, FormIsBlueTintedAndPanelIsGrey) {
    for (int level : {0, 110, 220}) {
        const auto channel = static_cast<uint8_t>(level);
        const auto tinted = static_cast<uint8_t>(level + 30);
        EXPECT_EQ(formRowColour(level), (RowColour{channel, channel, tinted}));
        EXPECT_EQ(panelRowColour(level), (RowColour{tinted, tinted, tinted}));
    }
}

} // namespace
} // namespace velmora::dialog

// The dialog's background gradients: row levels across the surface and the two colourings.
#include "saver/dialog/core/SineGradient.h"

#include <gtest/gtest.h>

namespace velmora::dialog {
namespace {

TEST(SineGradient, DesignSizesGiveOneLevelPerRowIncludingTheLast) {
    // 243 and 165 pixel rows at 15 twips per pixel: one line per row plus the closing row.
    EXPECT_EQ(sineGradientLevels(243).size(), 244u);
    EXPECT_EQ(sineGradientLevels(165).size(), 166u);
    EXPECT_EQ(sineGradientLevels(10.6).size(), 12u); // the row count follows the rounded height
}

TEST(SineGradient, HalfWaveRunsDarkBrightDark) {
    struct Row {
        double height;
        size_t row;
        int level;
    };
    // Levels computed by hand from |sin(y / (h / 3.142)) x 220|.
    const Row rows[] = {
        {243, 0, 0},                    // top row is dark
        {243, 1, 3},                    // 220 sin(3.142 / 243) = 2.84
        {243, 121, 220},                // middle: sin close to 1
        {243, 122, 220}, {243, 243, 0}, // 220 |sin(3.142)| = 0.09: dark again at the bottom
        {165, 0, 0},     {165, 82, 220}, {165, 41, 155}, // 220 sin(0.7807) = 154.8
        {165, 165, 0},
    };
    for (const Row& r : rows) {
        const auto levels = sineGradientLevels(r.height);
        ASSERT_LT(r.row, levels.size());
        EXPECT_EQ(levels[r.row], r.level) << "height " << r.height << " row " << r.row;
    }
}

TEST(SineGradient, NeverLeavesTheZeroTo220Range) {
    for (double height : {1.0, 2.0, 100.0, 243.0, 1000.0}) {
        for (int level : sineGradientLevels(height)) {
            EXPECT_GE(level, 0);
            EXPECT_LE(level, 220);
        }
    }
}

TEST(SineGradient, EmptySurfaceGetsNoRows) {
    EXPECT_TRUE(sineGradientLevels(0).empty());
    EXPECT_TRUE(sineGradientLevels(-5).empty());
}

TEST(SineGradient, FormIsBlueTintedAndPanelIsGrey) {
    EXPECT_EQ(formRowColour(0), (RowColour{0, 0, 30}));
    EXPECT_EQ(formRowColour(220), (RowColour{220, 220, 250}));
    EXPECT_EQ(panelRowColour(0), (RowColour{30, 30, 30}));
    EXPECT_EQ(panelRowColour(220), (RowColour{250, 250, 250}));
}

} // namespace
} // namespace velmora::dialog

// The -fps figure over whole seconds.
#include "renderer/x11/core/FpsFigure.h"

#include <gtest/gtest.h>

namespace velmora::x11 {

TEST(FpsFigure, FigureChangesOncePerSecond) {
    FpsFigure rate;
    rate.frame(10.0);
    for (int i = 1; i <= 59; ++i) {
        rate.frame(10.0 + i / 60.0);
    }
    EXPECT_EQ("FPS: -", rate.text());
    rate.frame(11.0);
    EXPECT_EQ("FPS: 60.0", rate.text());
    rate.frame(11.5);
    EXPECT_EQ("FPS: 60.0", rate.text());
    rate.frame(12.25);
    EXPECT_EQ("FPS: 1.6", rate.text());
}

} // namespace velmora::x11

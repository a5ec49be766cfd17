// The -fps figure over whole seconds and the frame pacing of -delay.
#include "renderer/x11/core/FrameRate.h"

#include <gtest/gtest.h>

namespace velmora::x11 {

TEST(FrameRate, FigureChangesOncePerSecond) {
    FrameRate rate;
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

TEST(FrameRate, FramesStartOnePeriodApartWithoutCatchingUp) {
    EXPECT_EQ(16667, microsecondsBeforeNextFrame(0, 16667));
    EXPECT_EQ(10667, microsecondsBeforeNextFrame(6000, 16667));
    EXPECT_EQ(0, microsecondsBeforeNextFrame(16667, 16667));
    EXPECT_EQ(0, microsecondsBeforeNextFrame(50000, 16667));
    EXPECT_EQ(0, microsecondsBeforeNextFrame(3, 0));
}

} // namespace velmora::x11

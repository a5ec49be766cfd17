// The frame pacer against a fake clock: at most 60 frames a second, the cadence kept through
// early and slightly late frames, and no burst after a stall; other periods as the hack's -delay
// sets them.
#include "renderer/window/core/FramePacer.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/FakeClock.h"

namespace velmora::window {
namespace {

using testing::FakeClock;

// Runs a loop the way the renderer does: waits whatever the pacer asks, then draws a frame
// that takes frameMs[i]; returns the start times of the frames.
std::vector<double> frameStarts(FakeClock& clock, FramePacer& pacer,
                                const std::vector<double>& frameMs) {
    std::vector<double> starts;
    for (double cost : frameMs) {
        while (unsigned int wait = pacer.msUntilDue()) {
            clock.ms += wait;
        }
        starts.push_back(clock.ms);
        pacer.frameStarts();
        clock.ms += cost;
    }
    return starts;
}

} // namespace

TEST(FramePacer, TheFirstFrameIsDueAtOnce) {
    FakeClock clock{1000.0};
    FramePacer pacer(clock);
    EXPECT_EQ(0u, pacer.msUntilDue());
}

TEST(FramePacer, FastFramesWaitForTheRestOfTheirSixtiethOfASecond) {
    FakeClock clock{1000.0};
    FramePacer pacer(clock);
    pacer.frameStarts();
    clock.ms += 2.0; // a 2 ms frame
    EXPECT_EQ(14u, pacer.msUntilDue());
    clock.ms += 14.0;
    EXPECT_EQ(0u, pacer.msUntilDue()); // 0.67 ms left: due, waits come in whole milliseconds
}

TEST(FramePacer, SixtyFastFramesTakeOneSecond) {
    FakeClock clock{1000.0};
    FramePacer pacer(clock);
    const std::vector<double> starts = frameStarts(clock, pacer, std::vector<double>(61, 1.0));
    EXPECT_NEAR(1000.0, starts.back() - starts.front(), 1.0);
}

TEST(FramePacer, ASlightlyLateFrameKeepsTheCadence) {
    FakeClock clock{1000.0};
    FramePacer pacer(clock);
    const std::vector<double> starts = frameStarts(clock, pacer, {1.0, 20.0, 1.0, 1.0});
    // The 20 ms frame runs over: the next starts at once, and the one after is back on the grid.
    EXPECT_DOUBLE_EQ(20.0, starts[2] - starts[1]);
    EXPECT_NEAR(3 * 1000.0 / 60, starts[3] - starts[0], 1.0);
}

TEST(FramePacer, FramesSlowerThanThePeriodRunBackToBackWithoutWaiting) {
    FakeClock clock{1000.0};
    FramePacer pacer(clock);
    const std::vector<double> starts = frameStarts(clock, pacer, {41.0, 41.0, 41.0});
    EXPECT_DOUBLE_EQ(41.0, starts[1] - starts[0]);
    EXPECT_DOUBLE_EQ(41.0, starts[2] - starts[1]);
}

TEST(FramePacer, AStallIsNotMadeUpByABurst) {
    FakeClock clock{1000.0};
    FramePacer pacer(clock);
    const std::vector<double> starts = frameStarts(clock, pacer, {1.0, 500.0, 1.0, 1.0, 1.0});
    // After the 500 ms frame the pace starts anew: a full period between each later frame.
    for (size_t i = 2; i + 1 < starts.size(); ++i) {
        EXPECT_NEAR(1000.0 / 60, starts[i + 1] - starts[i], 1.0) << i;
    }
}

TEST(FramePacer, AnyPeriodStartsFramesOnePeriodApartWithoutCatchingUp) {
    FakeClock clock{1000.0};
    FramePacer tenSeconds(clock, 10'000.0);
    tenSeconds.frameStarts();
    clock.ms += 6.0;
    EXPECT_EQ(9994u, tenSeconds.msUntilDue());
    clock.ms += 60'000.0; // a stall of six periods: due at once, then one period on
    EXPECT_EQ(0u, tenSeconds.msUntilDue());
    tenSeconds.frameStarts();
    EXPECT_EQ(10'000u, tenSeconds.msUntilDue());

    FramePacer unpaced(clock, 0.0);
    for (int frame = 0; frame < 3; ++frame) {
        EXPECT_EQ(0u, unpaced.msUntilDue()) << frame;
        unpaced.frameStarts();
    }
}

TEST(FramePacer, TheSwapControlExtensionIsFoundAsAWholeWordOnly) {
    const char* swap = "WGL_EXT_swap_control";
    EXPECT_TRUE(hasExtension("WGL_EXT_swap_control", swap));
    EXPECT_TRUE(hasExtension("WGL_ARB_pixel_format WGL_EXT_swap_control ", swap));
    EXPECT_TRUE(hasExtension("WGL_EXT_swap_control WGL_ARB_pbuffer", swap));
    EXPECT_FALSE(hasExtension("WGL_EXT_swap_control_tear", swap));
    EXPECT_FALSE(hasExtension("XWGL_EXT_swap_control WGL_ARB_pbuffer", swap));
    EXPECT_FALSE(hasExtension("", swap));
}

} // namespace velmora::window

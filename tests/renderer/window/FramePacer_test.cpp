// The frame pacer against a fake clock: at most one frame a period, the cadence kept through
// early and slightly late frames, and no burst after a stall; other periods as the hack's -delay
// sets them; and the lookup of the swap-control extension.
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

// Every figure below follows from the period, so any frame rate passes the same tests.
constexpr double kPeriod = kFramePeriodMs;

TEST(FramePacer, TheFirstFrameIsDueAtOnce) {
    FakeClock clock{1000.0};
    FramePacer pacer(clock);
    EXPECT_EQ(0u, pacer.msUntilDue());
}

TEST(FramePacer, FastFramesWaitForTheRestOfTheirPeriodInWholeMilliseconds) {
    FakeClock clock{1000.0};
    FramePacer pacer(clock);
    pacer.frameStarts();
    const double cost = kPeriod / 8;
    clock.ms += cost;
    EXPECT_EQ(static_cast<unsigned int>(kPeriod - cost), pacer.msUntilDue());
    clock.ms += kPeriod - cost - 0.5; // less than a millisecond early counts as due
    EXPECT_EQ(0u, pacer.msUntilDue());
}

TEST(FramePacer, FastFramesStartOnePeriodApart) {
    FakeClock clock{1000.0};
    FramePacer pacer(clock);
    const std::vector<double> starts = frameStarts(clock, pacer, std::vector<double>(61, 1.0));
    EXPECT_NEAR(60 * kPeriod, starts.back() - starts.front(), 1.0);
}

TEST(FramePacer, ASlightlyLateFrameKeepsTheCadence) {
    FakeClock clock{1000.0};
    FramePacer pacer(clock);
    const double late = kPeriod * 1.2;
    const std::vector<double> starts = frameStarts(clock, pacer, {1.0, late, 1.0, 1.0});
    // The late frame runs over: the next starts at once, and the one after is back on the grid.
    EXPECT_NEAR(late, starts[2] - starts[1], 1e-9);
    EXPECT_NEAR(3 * kPeriod, starts[3] - starts[0], 1.0);
}

TEST(FramePacer, FramesSlowerThanThePeriodRunBackToBackWithoutWaiting) {
    FakeClock clock{1000.0};
    FramePacer pacer(clock);
    const double slow = kPeriod * 2.5;
    const std::vector<double> starts = frameStarts(clock, pacer, {slow, slow, slow});
    EXPECT_NEAR(slow, starts[1] - starts[0], 1e-9);
    EXPECT_NEAR(slow, starts[2] - starts[1], 1e-9);
}

TEST(FramePacer, AStallIsNotMadeUpByABurst) {
    FakeClock clock{1000.0};
    FramePacer pacer(clock);
    const std::vector<double> starts =
        frameStarts(clock, pacer, {1.0, 30 * kPeriod, 1.0, 1.0, 1.0});
    // After the stall the pace starts anew: a full period between each later frame.
    for (size_t i = 2; i + 1 < starts.size(); ++i) {
        EXPECT_NEAR(kPeriod, starts[i + 1] - starts[i], 1.0) << i;
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

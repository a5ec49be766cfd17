// The cover layout: every monitor but the scene's, wherever the others stand.
#include "renderer/window/core/CoverLayout.h"

#include <gtest/gtest.h>

namespace velmora::window {
namespace {

using base::PixelRect;

constexpr PixelRect kPrimary{0, 0, 1024, 768};
constexpr PixelRect kRight{1024, 0, 1920, 1080};
constexpr PixelRect kLeft{-1280, 0, 1280, 1024};
constexpr PixelRect kAbove{0, -1080, 1920, 1080};
constexpr PixelRect kLeftAbove{-1920, -1200, 1920, 1200};

} // namespace

TEST(CoverLayout, CoversEveryMonitorButTheOneHoldingTheScenesCorner) {
    struct Case {
        const char* what;
        std::vector<PixelRect> monitors;
        std::vector<PixelRect> covers;
    };
    const Case cases[] = {
        {"one monitor", {kPrimary}, {}},
        {"second to the right", {kPrimary, kRight}, {kRight}},
        {"second to the left, listed first", {kLeft, kPrimary}, {kLeft}},
        {"second above", {kAbove, kPrimary}, {kAbove}},
        {"three: left, primary, right", {kLeft, kPrimary, kRight}, {kLeft, kRight}},
        {"three: above, left-above, primary", {kAbove, kLeftAbove, kPrimary}, {kAbove, kLeftAbove}},
        {"no monitor listed", {}, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.covers, coverRectangles(c.monitors, 0, 0)) << c.what;
    }
}

} // namespace velmora::window

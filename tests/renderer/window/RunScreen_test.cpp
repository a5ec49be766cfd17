// The run screen on Windows: which display modes are asked for, in which order, and which one is
// taken, for displays that offer the 16-bit mode, only the desktop's depth, or neither; and the
// covers, every monitor but the scene's, wherever the others stand.
#include "renderer/window/core/RunScreen.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace velmora::window {
namespace {

constexpr DisplayMode kWanted{1024, 768, 16};
constexpr DisplayMode kWantedAt32{1024, 768, 32};
constexpr DisplayMode kWantedAt24{1024, 768, 24};
constexpr DisplayMode kLarge32{1920, 1080, 32};

using base::PixelRect;

constexpr PixelRect kPrimary{0, 0, 1024, 768};
constexpr PixelRect kRight{1024, 0, 1920, 1080};
constexpr PixelRect kLeft{-1280, 0, 1280, 1024};
constexpr PixelRect kAbove{0, -1080, 1920, 1080};
constexpr PixelRect kLeftAbove{-1920, -1200, 1920, 1200};

} // namespace

TEST(RunScreen, TriesTheWantedModeThenTheDesktopDepthWhenOfferedThenGivesUp) {
    struct Case {
        const char* what;
        unsigned int desktopBits;
        std::vector<DisplayMode> offered;
        std::vector<DisplayMode> accepted;
        std::vector<DisplayMode> asked;
        std::optional<DisplayMode> taken;
    };
    const Case cases[] = {
        {"16 refused, 32 offered",
         32,
         {kWantedAt32, kLarge32},
         {kWantedAt32, kLarge32},
         {kWanted, kWantedAt32},
         kWantedAt32},
        {"neither offered", 32, {kLarge32}, {kLarge32}, {kWanted}, std::nullopt},
        {"both offered", 32, {kWanted, kWantedAt32}, {kWanted, kWantedAt32}, {kWanted}, kWanted},
        {"16 accepted though not listed",
         24,
         {kWantedAt24},
         {kWanted, kWantedAt24},
         {kWanted},
         kWanted},
        {"desktop depth listed but refused",
         32,
         {kWantedAt32},
         {},
         {kWanted, kWantedAt32},
         std::nullopt},
        {"only another depth at the size",
         24,
         {kWantedAt32},
         {kWantedAt32},
         {kWanted},
         std::nullopt},
        {"16-bit desktop refusing 16", 16, {kWanted}, {}, {kWanted}, std::nullopt},
    };
    for (const Case& c : cases) {
        std::vector<DisplayMode> asked;
        bool listed = false;
        const std::optional<DisplayMode> taken = chooseDisplayMode(
            kWanted,
            [&] {
                listed = true;
                return OfferedModes{c.desktopBits, c.offered};
            },
            [&](const DisplayMode& mode) {
                asked.push_back(mode);
                return std::find(c.accepted.begin(), c.accepted.end(), mode) != c.accepted.end();
            });
        EXPECT_EQ(c.asked, asked) << c.what;
        EXPECT_EQ(c.taken, taken) << c.what;
        // The slow list is read only when the wanted mode was refused.
        EXPECT_EQ(taken != kWanted, listed) << c.what;
    }
}

TEST(RunScreen, CoversEveryMonitorButTheOneHoldingTheScenesCorner) {
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

// The display-mode ladder: which modes are asked for, in which order, and which one is taken,
// for displays that offer the 16-bit mode, only the desktop's depth, or neither.
#include "renderer/window/core/DisplayModeLadder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace velmora::window {
namespace {

constexpr DisplayMode kWanted{1024, 768, 16};
constexpr DisplayMode kWantedAt32{1024, 768, 32};
constexpr DisplayMode kWantedAt24{1024, 768, 24};
constexpr DisplayMode kLarge32{1920, 1080, 32};

} // namespace

TEST(DisplayModeLadder, TriesTheWantedModeThenTheDesktopDepthWhenOfferedThenGivesUp) {
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

} // namespace velmora::window

// The hack's command line: XScreenSaver's spellings with one or two dashes, values, and every
// form that must end in the usage line.
#include "renderer/x11/core/HackOptions.h"

#include <gtest/gtest.h>

namespace velmora::x11 {
namespace {

struct Accepted {
    std::vector<std::string_view> arguments;
    DrawTarget target;
    unsigned long windowId;
    bool showFps;
    long delay;
};

TEST(HackOptions, AcceptsEverySpelling) {
    const Accepted cases[] = {
        {{}, DrawTarget::OwnWindow, 0, false, kDefaultDelayMicroseconds},
        {{"-root"}, DrawTarget::Root, 0, false, kDefaultDelayMicroseconds},
        {{"--root", "--fps"}, DrawTarget::Root, 0, true, kDefaultDelayMicroseconds},
        {{"-window-id", "0x2a00003"},
         DrawTarget::GivenWindow,
         0x2a00003,
         false,
         kDefaultDelayMicroseconds},
        {{"--window-id", "4194307", "-fps"},
         DrawTarget::GivenWindow,
         4194307,
         true,
         kDefaultDelayMicroseconds},
        {{"-delay", "0"}, DrawTarget::OwnWindow, 0, false, 0},
        {{"--root", "--delay", "20000"}, DrawTarget::Root, 0, false, 20000},
    };
    for (const Accepted& c : cases) {
        const std::optional<HackOptions> options = parseHackOptions(c.arguments);
        ASSERT_TRUE(options) << c.arguments.size();
        EXPECT_EQ(c.target, options->target);
        EXPECT_EQ(c.windowId, options->windowId);
        EXPECT_EQ(c.showFps, options->showFps);
        EXPECT_EQ(c.delay, options->delayMicroseconds);
    }
}

TEST(HackOptions, RefusesUnknownOptionsAndBadValues) {
    const std::vector<std::string_view> refused[] = {
        {"root"},
        {"-window"},
        {"---root"},
        {"-window-id"},
        {"-window-id", "0"},
        {"-window-id", "0x"},
        {"-window-id", "12ab"},
        {"-delay"},
        {"-delay", "-5"},
        {"-delay", "fast"},
        {"-fps", "-mono"},
    };
    for (const std::vector<std::string_view>& arguments : refused) {
        EXPECT_FALSE(parseHackOptions(arguments)) << arguments[0];
    }
}

TEST(HackOptions, WindowIdsAsXToolsPrintThem) {
    EXPECT_EQ(0x1e00005ul, parseWindowId("0x1e00005"));
    EXPECT_EQ(0x1e00005ul, parseWindowId("0X1E00005"));
    EXPECT_EQ(31457285ul, parseWindowId("31457285"));
    EXPECT_FALSE(parseWindowId(""));
    EXPECT_FALSE(parseWindowId(" 5"));
}

} // namespace
} // namespace velmora::x11

// The hack's command line: XScreenSaver's spellings with one or two dashes, values, the daemon's
// window, and every refusal with the line that names its fault; the default frame period, and
// velmora.xml against the option table.
#include "renderer/x11/core/HackOptions.h"

#include <gtest/gtest.h>

#include <regex>

#include "tests/support/Files.h"

namespace velmora::x11 {
namespace {

struct Accepted {
    std::vector<std::string_view> arguments;
    std::optional<std::string_view> daemonWindow;
    HackRequest request;
    DrawTarget target;
    unsigned long windowId;
    bool showFps;
    long delay;
};

constexpr long kDefault = kDefaultDelayMicroseconds;
constexpr HackRequest kRun = HackRequest::Run;

TEST(HackOptions, AcceptsEverySpelling) {
    const Accepted cases[] = {
        {{}, {}, kRun, DrawTarget::OwnWindow, 0, false, kDefault},
        {{"-root"}, {}, kRun, DrawTarget::Root, 0, false, kDefault},
        {{"--root", "--fps"}, {}, kRun, DrawTarget::Root, 0, true, kDefault},
        {{"-window-id", "0x2a00003"},
         {},
         kRun,
         DrawTarget::GivenWindow,
         0x2a00003,
         false,
         kDefault},
        {{"--window-id", "4194307", "-fps"},
         {},
         kRun,
         DrawTarget::GivenWindow,
         4194307,
         true,
         kDefault},
        {{"--window-id=4194307"}, {}, kRun, DrawTarget::GivenWindow, 4194307, false, kDefault},
        {{"-delay", "0"}, {}, kRun, DrawTarget::OwnWindow, 0, false, 0},
        {{"-delay", "10000000"}, {}, kRun, DrawTarget::OwnWindow, 0, false, 10'000'000},
        {{"--root", "--delay=20000"}, {}, kRun, DrawTarget::Root, 0, false, 20000},
        {{"--help"}, {}, HackRequest::ShowHelp, DrawTarget::OwnWindow, 0, false, kDefault},
        {{"-h"}, {}, HackRequest::ShowHelp, DrawTarget::OwnWindow, 0, false, kDefault},
        {{"-fps", "-version"},
         {},
         HackRequest::ShowVersion,
         DrawTarget::OwnWindow,
         0,
         true,
         kDefault},
    };
    for (const Accepted& c : cases) {
        const ParsedOptions parsed = parseHackOptions(c.arguments, c.daemonWindow);
        const std::string_view first = c.arguments.empty() ? "" : c.arguments[0];
        ASSERT_EQ("", parsed.refusal) << first;
        EXPECT_EQ(c.request, parsed.options.request) << first;
        EXPECT_EQ(c.target, parsed.options.target) << first;
        EXPECT_EQ(c.windowId, parsed.options.windowId) << first;
        EXPECT_EQ(c.showFps, parsed.options.showFps) << first;
        EXPECT_EQ(c.delay, parsed.options.delayMicroseconds) << first;
    }
}

TEST(HackOptions, RefusesWithTheWordAndTheFault) {
    struct Refused {
        std::vector<std::string_view> arguments;
        std::optional<std::string_view> daemonWindow;
        const char* line;
    };
    const Refused cases[] = {
        {{"root"}, {}, "\"root\" is not an option (see -help)"},
        {{"-fps", "extra"}, {}, "\"extra\" is not an option (see -help)"},
        {{"-"}, {}, "\"-\" is not an option (see -help)"},
        {{"---root"}, {}, "\"---root\" is not an option (see -help)"},
        {{"-window"}, {}, "-window: unknown option (see -help)"},
        {{"-fps", "-mono"}, {}, "-mono: unknown option (see -help)"},
        {{"--fps=3"}, {}, "--fps=3: -fps takes no value"},
        {{"-window-id"}, {}, "-window-id: needs a value (see -help)"},
        {{"-window-id", "0"},
         {},
         "-window-id: \"0\" is not a window id (decimal, or hexadecimal after 0x)"},
        {{"-window-id", "0x"},
         {},
         "-window-id: \"0x\" is not a window id (decimal, or hexadecimal after 0x)"},
        {{"-window-id", "abc"},
         {},
         "-window-id: \"abc\" is not a window id (decimal, or hexadecimal after 0x)"},
        {{"-delay"}, {}, "-delay: needs a value (see -help)"},
        {{"-delay", "abc"}, {}, "-delay: \"abc\" is not a number of microseconds"},
        {{"-delay", "1.5"}, {}, "-delay: \"1.5\" is not a number of microseconds"},
        {{"--delay="}, {}, "--delay=: \"\" is not a number of microseconds"},
        {{"-delay", "-5"}, {}, "-delay: \"-5\" is outside 0 to 10000000 microseconds"},
        {{"-delay", "10000001"}, {}, "-delay: \"10000001\" is outside 0 to 10000000 microseconds"},
        {{"-delay", "4294967295"},
         {},
         "-delay: \"4294967295\" is outside 0 to 10000000 microseconds"},
        {{"-delay", "99999999999999999999999"},
         {},
         "-delay: \"99999999999999999999999\" is outside 0 to 10000000 microseconds"},
        {{"-root"},
         "junk",
         "XSCREENSAVER_WINDOW: \"junk\" is not a window id (decimal, or hexadecimal after 0x)"},
        {{},
         "junk",
         "XSCREENSAVER_WINDOW: \"junk\" is not a window id (decimal, or hexadecimal after 0x)"},
        {{"-root"},
         "",
         "XSCREENSAVER_WINDOW: \"\" is not a window id (decimal, or hexadecimal after 0x)"},
    };
    for (const Refused& c : cases) {
        EXPECT_EQ(c.line, parseHackOptions(c.arguments, c.daemonWindow).refusal) << c.line;
    }
}

// XScreenSaver hands its window over with -root, xsecurelock with the variable alone (a decimal
// id); -window-id, when it is the last word that chooses, wins over both.
TEST(HackOptions, DrawsOnTheSaverHostsWindowUnlessWindowIdNamesOne) {
    struct Case {
        std::vector<std::string_view> arguments;
        std::optional<std::string_view> saverWindow;
        DrawTarget target;
        unsigned long windowId;
    };
    const Case cases[] = {
        {{}, {}, DrawTarget::OwnWindow, 0},
        {{}, "4194307", DrawTarget::GivenWindow, 4194307},
        {{"-root"}, {}, DrawTarget::Root, 0},
        {{"-root"}, "0x2a00003", DrawTarget::GivenWindow, 0x2a00003},
        {{"-window-id", "5"}, "4194307", DrawTarget::GivenWindow, 5},
        {{"-window-id", "5"}, "junk", DrawTarget::GivenWindow, 5},
        {{"-window-id", "5", "-root"}, "4194307", DrawTarget::GivenWindow, 4194307},
    };
    for (const Case& c : cases) {
        const ParsedOptions parsed = parseHackOptions(c.arguments, c.saverWindow);
        const std::string_view saver = c.saverWindow.value_or("unset");
        ASSERT_EQ("", parsed.refusal) << saver;
        EXPECT_EQ(c.target, parsed.options.target) << saver;
        EXPECT_EQ(c.windowId, parsed.options.windowId) << saver;
    }
}

TEST(HackOptions, WindowIdsAsXToolsPrintThem) {
    EXPECT_EQ(0x1e00005ul, parseWindowId("0x1e00005"));
    EXPECT_EQ(0x1e00005ul, parseWindowId("0X1E00005"));
    EXPECT_EQ(31457285ul, parseWindowId("31457285"));
    EXPECT_FALSE(parseWindowId(""));
    EXPECT_FALSE(parseWindowId(" 5"));
}

// The default frame period is the Windows renderer's, in whole microseconds.
TEST(HackOptions, DefaultDelayIsTheRenderersFramePeriod) {
    EXPECT_NEAR(window::kFramePeriodMs * 1000.0, kDefaultDelayMicroseconds, 0.5);
    EXPECT_NE(std::string::npos, hackHelp().find(" by default: 60 frames a second)\n"));
}

// Every argument XScreenSaver's settings would pass names a row of the table and takes a value
// exactly when the row does; a slider stays within the row's range and starts at its default.
TEST(HackOptions, VelmoraXmlAgreesWithTheTable) {
    const std::string xml = testing::readText(VELMORA_SOURCE_DIR "/renderer/x11/velmora.xml");
    ASSERT_FALSE(xml.empty());
    const std::regex element("<(command|number|boolean)\\b([^>]*)>");
    const std::regex attribute("([a-z-]+)=\"([^\"]*)\"");
    int arguments = 0;
    for (std::sregex_iterator e(xml.begin(), xml.end(), element), end; e != end; ++e) {
        const std::string attributes = (*e)[2];
        std::map<std::string, std::string> values;
        for (std::sregex_iterator a(attributes.begin(), attributes.end(), attribute); a != end;
             ++a) {
            values[(*a)[1]] = (*a)[2];
        }
        for (const char* kind : {"arg", "arg-set", "arg-unset"}) {
            if (!values.contains(kind)) {
                continue;
            }
            ++arguments;
            const std::string& argument = values[kind];
            const bool takesValue = argument.ends_with(" %");
            const std::string name = argument.substr(2, argument.size() - 2 - (takesValue ? 2 : 0));
            const auto row = std::find_if(std::begin(kHackOptions), std::end(kHackOptions),
                                          [&](const HackOption& r) { return r.name == name; });
            ASSERT_NE(std::end(kHackOptions), row) << argument;
            EXPECT_TRUE(argument.starts_with("--")) << argument;
            EXPECT_EQ(row->value != OptionValue::Flag, takesValue) << argument;
            if ((*e)[1] == "number") {
                EXPECT_LE(row->low, std::stol(values["low"])) << argument;
                EXPECT_GE(row->high, std::stol(values["high"])) << argument;
                EXPECT_EQ(row->byDefault, std::stol(values["default"])) << argument;
            }
        }
    }
    EXPECT_EQ(3, arguments);
}

} // namespace
} // namespace velmora::x11

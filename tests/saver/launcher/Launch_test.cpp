// The start-up's decisions: the command lines the host and users give, what each asks for, the
// preview handle, and the preview form's sides in twips up to the 16-bit limit.
#include "saver/launcher/core/Launch.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace velmora::launcher {

namespace {

// A printed name, so that a failure shows the mode in words.
const char* name(LaunchMode mode) {
    constexpr const char* kNames[] = {"Preview", "Configure", "Saver", "None"};
    return kNames[static_cast<int>(mode)];
}

} // namespace

TEST(ParseCommandLine, ModeOfEveryShape) {
    const struct {
        LaunchMode mode;
        bool hideCursor;
        std::vector<std::string> lines;
    } cases[] = {
        // The first character is never looked at; the second is a character, not a byte.
        {LaunchMode::Saver, true, {"/S", "/s", "-s", "xs", "/s 1234", "あs"}},
        // An empty line runs the saver with the cursor left as it is.
        {LaunchMode::Saver, false, {""}},
        // No second character, the slash as the second, a full-width letter.
        {LaunchMode::None, false, {"S", "/", "/x", " /s", "/ｓ"}},
        {LaunchMode::Configure, false, {"/c", "/C", "/c:1234"}},
        {LaunchMode::Preview, false, {"/p 1234", "/P 1234", "/p:1234", "-p 1234", "/p", "/p abc"}},
    };
    for (const auto& c : cases) {
        for (const std::string& line : c.lines) {
            const LaunchRequest request = parseCommandLine(line);
            EXPECT_STREQ(name(request.mode), name(c.mode)) << '"' << line << '"';
            EXPECT_EQ(request.hideCursor, c.hideCursor) << '"' << line << '"';
        }
    }
}

TEST(ParseCommandLine, PreviewHandleFromTheFourthCharacter) {
    const struct {
        std::string line;
        int32_t handle;
    } cases[] = {
        {"/p 1234", 1234},
        {"/p:1234", 1234},
        {"/p", 0},
        {"/p abc", 0},
        {"/p123", 23},
        // Characters, not bytes, up to the fourth: a first or third one beyond ASCII.
        {"éP:1234", 1234},
        {"あp:1234", 1234},
        {"😀p 56", 56},
        {"/pé1234", 1234},
        // The leading number (its own rules are VbNumber's): blanks skipped, &H, the stop.
        {"/p 12 34", 1234},
        {"/p &H1F", 31},
        {"/p 5678 /x", 5678},
        // Rounded with halves to even, and only what a 32-bit handle holds.
        {"/p 2.5", 2},
        {"/p 3.5", 4},
        {"/p -7", -7},
        {"/p 2147483647", 2147483647},
        {"/p 2147483648", 0},
        {"/p &HFFFFFFFF", -1},
        {"/p &H1FFFFFFFF", 0},
    };
    for (const auto& c : cases) {
        const LaunchRequest request = parseCommandLine(c.line);
        EXPECT_STREQ(name(request.mode), "Preview") << '"' << c.line << '"';
        EXPECT_EQ(request.previewHandle, c.handle) << '"' << c.line << '"';
    }
}

TEST(ArgumentsOf, WhatFollowsTheProgramPath) {
    const struct {
        std::string commandLine;
        std::string arguments;
    } cases[] = {
        {"\"C:\\Windows\\Velmora.scr\" /s", "/s"},
        {"\"C:\\Program Files\\Velmora\\Velmora.scr\" /p 1234", "/p 1234"},
        {"C:\\Windows\\Velmora.scr /c:5678", "/c:5678"},
        {"Velmora.scr \t /s", "/s"},
        {"Velmora.scr", ""},
        {"\"C:\\a b\\Velmora.scr\"", ""},
        {"\"C:\\a b\\Velmora.scr\"   ", ""},
        {"\"unclosed /s", ""},
        {"\"C:\\x\\Velmora.scr\"/s", "/s"},
        {"\"C:\\a b\\Velmora.scr\"/p 1234", "/p 1234"},
        {"Velmora.scr /p 12 34 ", "/p 12 34 "},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(argumentsOf(c.commandLine), c.arguments) << c.commandLine;
    }
}

TEST(PreviewTwips, HostSidesAsSixteenBitTwips) {
    const struct {
        int pixels;
        double perPixel;
        int16_t twips;
    } cases[] = {
        {152, 15, 2280}, {112, 15, 1680}, {0, 15, 0},        {2184, 15, 32760},
        {2185, 15, 0},   {4000, 15, 0},   {2730, 12, 32760}, {2731, 12, 0},
        {3, 7.5, 22},    {5, 7.5, 38}, // halves to even
        {-10, 15, -150}, {-2185, 15, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(previewTwips(c.pixels, c.perPixel), c.twips) << c.pixels << " at " << c.perPixel;
    }
}

} // namespace velmora::launcher

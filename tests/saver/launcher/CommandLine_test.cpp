// The screensaver command lines the host and users give, and what each asks for.
#include "saver/launcher/core/CommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace velmora::launcher {

namespace {

// Printed names, so that a failure shows the modes in words.
constexpr std::pair<LaunchMode, const char*> kModeNames[] = {
    {LaunchMode::Preview, "Preview"}, {LaunchMode::Configure, "Configure"},
    {LaunchMode::Saver, "Saver"},     {LaunchMode::SaverCursorShown, "SaverCursorShown"},
    {LaunchMode::None, "None"},
};

const char* name(LaunchMode mode) {
    for (const auto& [known, text] : kModeNames) {
        if (known == mode) {
            return text;
        }
    }
    return "?";
}

} // namespace

TEST(ParseCommandLine, ModeOfEveryShape) {
    const struct {
        LaunchMode mode;
        std::vector<std::string> lines;
    } cases[] = {
        // The first character is never looked at; the second is a character, not a byte.
        {LaunchMode::Saver, {"/S", "/s", "-s", "xs", "/s 1234", "あs"}},
        {LaunchMode::SaverCursorShown, {""}},
        // No second character, the slash as the second, a full-width letter.
        {LaunchMode::None, {"S", "/", "/x", " /s", "/ｓ"}},
        {LaunchMode::Configure, {"/c", "/C", "/c:1234"}},
        {LaunchMode::Preview, {"/p 1234", "/P 1234", "/p:1234", "-p 1234", "/p", "/p abc"}},
    };
    for (const auto& c : cases) {
        for (const std::string& line : c.lines) {
            EXPECT_STREQ(name(parseCommandLine(line).mode), name(c.mode)) << '"' << line << '"';
        }
    }
}

TEST(ParseCommandLine, PreviewHandle) {
    const struct {
        std::string line;
        int32_t handle;
    } cases[] = {
        {"/p 1234", 1234},
        {"/P 1234", 1234},
        {"/p:1234", 1234},
        {"-p 1234", 1234},
        {"/p", 0},
        {"/p ", 0},
        {"/p abc", 0},
        {"/p &H1F", 31},
        {"/p &h1f", 31},
        {"/p &O17", 15},
        // Blanks inside the number are skipped; reading stops at the first non-digit.
        {"/p 12 34", 1234},
        {"/p\t1\t2\t3", 123},
        {"/p 1 2\n3", 123},
        {"/p 5678 /x", 5678},
        {"/p 2147483647", 2147483647},
        {"/p 99999999999", 0}, // no 32-bit handle
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

} // namespace velmora::launcher

// The screensaver command lines the host and users give, and what each asks for.
#include "saver/launcher/core/CommandLine.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char* name(LaunchMode mode) {
    switch (mode) {
    case LaunchMode::Preview:
        return "Preview";
    case LaunchMode::Configure:
        return "Configure";
    case LaunchMode::Saver:
        return "Saver";
    case LaunchMode::SaverCursorShown:
        return "SaverCursorShown";
    case LaunchMode::None:
        return "None";
    }
    return "?";
}

} // namespace

TEST(ParseCommandLine, ModeAndHandleOfEveryShape) {
    const struct {
        std::string line;
        LaunchMode mode;
        int32_t handle;
    } cases[] = {
        {"/S", LaunchMode::Saver, 0},
        {"/s", LaunchMode::Saver, 0},
        {"-s", LaunchMode::Saver, 0},
        {"xs", LaunchMode::Saver, 0}, // the first character is never looked at
        {"/s 1234", LaunchMode::Saver, 0},
        {"", LaunchMode::SaverCursorShown, 0},
        {"S", LaunchMode::None, 0}, // no second character
        {"/", LaunchMode::None, 0},
        {"/x", LaunchMode::None, 0},
        {" /s", LaunchMode::None, 0},  // the second character is the slash
        {"/ｓ", LaunchMode::None, 0},  // a full-width letter is no mode letter
        {"あs", LaunchMode::Saver, 0}, // the second character, not the second byte
        {"/c", LaunchMode::Configure, 0},
        {"/C", LaunchMode::Configure, 0},
        {"/c:1234", LaunchMode::Configure, 0},
        {"/p 1234", LaunchMode::Preview, 1234},
        {"/P 1234", LaunchMode::Preview, 1234},
        {"/p:1234", LaunchMode::Preview, 1234},
        {"-p 1234", LaunchMode::Preview, 1234},
        {"/p", LaunchMode::Preview, 0},
        {"/p ", LaunchMode::Preview, 0},
        {"/p abc", LaunchMode::Preview, 0},
        {"/p &H1F", LaunchMode::Preview, 31},
        {"/p &h1f", LaunchMode::Preview, 31},
        {"/p &O17", LaunchMode::Preview, 15},
        {"/p 12 34", LaunchMode::Preview, 1234}, // blanks inside the number are skipped
        {"/p\t1\t2\t3", LaunchMode::Preview, 123},
        {"/p 1 2\n3", LaunchMode::Preview, 123},
        {"/p 5678 /x", LaunchMode::Preview, 5678}, // reading stops at the first non-digit
        {"/p 2147483647", LaunchMode::Preview, 2147483647},
        {"/p 99999999999", LaunchMode::Preview, 0}, // no 32-bit handle
    };
    for (const auto& c : cases) {
        const LaunchRequest request = parseCommandLine(c.line);
        EXPECT_STREQ(name(request.mode), name(c.mode)) << '"' << c.line << '"';
        if (c.mode == LaunchMode::Preview)
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
    for (const auto& c : cases)
        EXPECT_EQ(argumentsOf(c.commandLine), c.arguments) << c.commandLine;
}

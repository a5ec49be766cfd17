// The ANSI and UTF-16 conversions under a Japanese system (code page 932).
#include "saver/text/AnsiText.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

TEST(AnsiTextTest, JapaneseTextInCodePage932) {
    if (GetACP() != 932) {
        GTEST_SKIP() << "needs code page 932";
    }
    const std::pair<std::string, std::string> cases[] = {
        {"BGM区分", "\x42\x47\x4D\x8B\xE6\x95\xAA"},
        {"BGMﾘﾋﾟｰﾄ", "\x42\x47\x4D\xD8\xCB\xDF\xB0\xC4"},
        {"BGMﾌｧｲﾙ", "\x42\x47\x4D\xCC\xA7\xB2\xD9"},
        // 表 ends in the byte of "\", which a byte scan of the ANSI text would take for one.
        {"C:\\表\\a.mp3", "C:\\\x95\x5C\\a.mp3"},
        {"", ""},
    };
    for (const auto& [utf8, ansi] : cases) {
        EXPECT_EQ(toAnsi(utf8), ansi) << utf8;
        EXPECT_EQ(fromAnsi(ansi), utf8) << utf8;
    }
}

TEST(AnsiTextTest, WideRoundTrip) {
    for (const std::string text : {"", "Velmora", "コマンド文字列", "ﾌｧｲﾙ", "€ 😀"}) {
        EXPECT_EQ(fromWide(toWide(text)), text);
    }
    EXPECT_EQ(toWide("区分"), L"区分");
    EXPECT_EQ(toWide("😀").size(), 2u);
}

TEST(AnsiTextTest, TextOutsideTheCodePageStaysOneCharacter) {
    if (GetACP() != 932) {
        GTEST_SKIP() << "needs code page 932";
    }
    const std::string ansi = toAnsi("a€b");
    EXPECT_EQ(ansi.size(), 3u);
    EXPECT_EQ(ansi.front(), 'a');
    EXPECT_EQ(ansi.back(), 'b');
}

} // namespace

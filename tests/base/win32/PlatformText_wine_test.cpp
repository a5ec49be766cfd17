// The text seam of both programs: the ANSI and UTF-16 forms under a Japanese system (code page
// 932) and the ANSI-usable form of a path.
#include "base/win32/PlatformText.h"

#include <gtest/gtest.h>

#include <windows.h>

#include "tests/support/Files.h"
#include "tests/support/ScratchFolder.h"

namespace velmora::win32 {
namespace {

TEST(PlatformText, JapaneseTextInCodePage932) {
    if (GetACP() != 932) {
        GTEST_SKIP() << "needs code page 932";
    }
    // Both ways: the UTF-8 text and its bytes in the code page.
    const auto spelledAs = [](const std::string& utf8, const std::string& ansi) {
        EXPECT_EQ(toAnsi(utf8), ansi) << utf8;
        EXPECT_EQ(fromAnsi(ansi), utf8) << utf8;
    };
    spelledAs("BGM区分", "\x42\x47\x4D\x8B\xE6\x95\xAA");
    spelledAs("BGMﾘﾋﾟｰﾄ", "\x42\x47\x4D\xD8\xCB\xDF\xB0\xC4");
    spelledAs("BGMﾌｧｲﾙ", "\x42\x47\x4D\xCC\xA7\xB2\xD9");
    // 表 ends in the byte of "\", which a byte scan of the ANSI text would take for one.
    spelledAs("C:\\表\\a.mp3", "C:\\\x95\x5C\\a.mp3");
    spelledAs("", "");
}

TEST(PlatformText, WideRoundTrip) {
    for (const std::string text : {"", "Velmora", "コマンド文字列", "ﾌｧｲﾙ", "€ 😀"}) {
        EXPECT_EQ(fromWide(toWide(text)), text);
    }
    EXPECT_EQ(toWide("区分"), L"区分");
    EXPECT_EQ(toWide("😀").size(), 2u);
}

TEST(PlatformText, TextOutsideTheCodePageStaysOneCharacter) {
    if (GetACP() != 932) {
        GTEST_SKIP() << "needs code page 932";
    }
    const std::string ansi = toAnsi("a€b");
    EXPECT_EQ(ansi.size(), 3u);
    EXPECT_EQ(ansi.front(), 'a');
    EXPECT_EQ(ansi.back(), 'b');
}

TEST(PlatformText, ExactAnsiFormsOnly) {
    if (GetACP() != 932) {
        GTEST_SKIP() << "needs code page 932";
    }
    EXPECT_EQ(toAnsiExact("C:\\表\\ﾌｧｲﾙ.mp3"), "C:\\\x95\x5C\\\xCC\xA7\xB2\xD9.mp3");
    EXPECT_EQ(toAnsiExact(""), "");
    // é would become e, 〜 a look-alike wave dash, 한 a question mark.
    for (const char* text : {"C:\\vel-é", "C:\\vel-〜", "C:\\vel-한글", "€"}) {
        EXPECT_EQ(toAnsiExact(text), std::nullopt) << text;
    }
}

TEST(PlatformText, PathsOutsideTheCodePageUseTheirShortForm) {
    if (GetACP() != 932) {
        GTEST_SKIP() << "needs code page 932";
    }
    const testing::ScratchFolder folder("vel-한글");
    const std::string file = folder / "曲.mp3";
    ASSERT_TRUE(testing::writeText(file, ""));

    const std::optional<base::PathForm> usable = ansiUsablePath(file, 255);
    ASSERT_TRUE(usable.has_value());
    EXPECT_NE(usable->path, file);
    EXPECT_EQ(usable->ansi, toAnsiExact(usable->path)) << usable->path;
    // The short form names the same file.
    EXPECT_NE(GetFileAttributesA(usable->ansi->c_str()), INVALID_FILE_ATTRIBUTES);
    // A file in the code page keeps its name; one that does not exist has no short form.
    EXPECT_EQ(ansiUsablePath("C:\\表\\a.mp3", 255).value_or(base::PathForm{}).path,
              "C:\\表\\a.mp3");
    EXPECT_EQ(ansiUsablePath(folder / "gone.mp3", 255), std::nullopt);
}

} // namespace
} // namespace velmora::win32

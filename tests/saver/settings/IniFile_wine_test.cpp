// INI_Read and INI_Write against the real private-profile functions; the byte checks in code
// page 932.
#include "contract/SharedNames.h"
#include "saver/settings/IniFile.h"
#include "saver/settings/core/SettingsRecord.h"
#include "saver/text/core/VbNumber.h"

#include "base/win32/PlatformText.h"
#include "tests/support/Files.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/SystemLanguage.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace velmora::settings {
namespace {

using testing::readText;
using testing::ScratchFolder;
using testing::writeText;

class IniFileTest : public ::testing::Test {
protected:
    ScratchFolder folder{"velmora settings"};
    std::string ini = folder / contract::kSettingsFileName;
};

// The value stored after `key=`; Wine drops a leading blank that Windows keeps.
std::string storedValue(const std::string& bytes, const std::string& key) {
    const size_t at = bytes.find(key + "=");
    if (at == std::string::npos) {
        return "<missing>";
    }
    const size_t start = at + key.size() + 1;
    std::string value = bytes.substr(start, bytes.find_first_of("\r\n", start) - start);
    if (!value.empty() && value.front() == ' ') {
        value.erase(0, 1);
    }
    return value;
}

TEST_F(IniFileTest, KeysAndValuesAreStoredInTheAnsiCodePage) {
    if (GetACP() != 932) {
        GTEST_SKIP() << "needs code page 932";
    }
    INI_Write(kSettingsSection, kBgmKindKey, " 2", ini);
    INI_Write(kSettingsSection, kBgmRepeatKey, "-1", ini);
    INI_Write(kSettingsSection, kBgmFileKey, "C:\\音楽\\曲.mp3", ini);

    const std::string bytes = readText(ini);
    EXPECT_NE(bytes.find("[Section]"), std::string::npos);
    EXPECT_EQ(storedValue(bytes, "\x42\x47\x4D\x8B\xE6\x95\xAA"), "2");
    EXPECT_EQ(storedValue(bytes, "\x42\x47\x4D\xD8\xCB\xDF\xB0\xC4"), "-1");
    EXPECT_EQ(storedValue(bytes, "\x42\x47\x4D\xCC\xA7\xB2\xD9"),
              "C:\\\x89\xB9\x8A\x79\\\x8B\xC8.mp3");

    EXPECT_EQ(text::floorToInt16(INI_Read(kSettingsSection, kBgmKindKey, ini)), 2);
    EXPECT_EQ(INI_Read(kSettingsSection, kBgmRepeatKey, ini), "-1");
    EXPECT_EQ(INI_Read(kSettingsSection, kBgmFileKey, ini), "C:\\音楽\\曲.mp3");
}

TEST_F(IniFileTest, WritingAgainReplacesTheValue) {
    INI_Write(kSettingsSection, kBgmKindKey, " 1", ini);
    INI_Write(kSettingsSection, kBgmKindKey, " 0", ini);
    EXPECT_EQ(text::floorToInt16(INI_Read(kSettingsSection, kBgmKindKey, ini)), 0);
    const std::string bytes = readText(ini);
    EXPECT_EQ(bytes.find(win32::toAnsi(kBgmKindKey)), bytes.rfind(win32::toAnsi(kBgmKindKey)));
}

TEST_F(IniFileTest, MissingFileSectionOrKeyReadsEmpty) {
    EXPECT_EQ(INI_Read(kSettingsSection, kBgmKindKey, ini), "");
    INI_Write("Other", kBgmKindKey, " 1", ini);
    EXPECT_EQ(INI_Read(kSettingsSection, kBgmKindKey, ini), "");
    INI_Write(kSettingsSection, kBgmRepeatKey, " 1", ini);
    EXPECT_EQ(INI_Read(kSettingsSection, kBgmKindKey, ini), "");
    EXPECT_EQ(INI_Read(kSettingsSection, kBgmRepeatKey, folder / "none.ini"), "");
}

TEST_F(IniFileTest, ValuesComeBackCutTo255Bytes) {
    const std::string exact(255, 'a');
    INI_Write(kSettingsSection, kBgmFileKey, exact, ini);
    EXPECT_EQ(INI_Read(kSettingsSection, kBgmFileKey, ini), exact);

    INI_Write(kSettingsSection, kBgmFileKey, std::string(300, 'b'), ini);
    EXPECT_EQ(INI_Read(kSettingsSection, kBgmFileKey, ini), std::string(255, 'b'));

    // 150 double-byte characters: the 255th byte starts a character that does not fit.
    if (win32::toAnsiExact("曲").value_or("").size() != 2) {
        return;
    }
    std::string wide;
    for (int i = 0; i < 150; ++i) {
        wide += "曲";
    }
    INI_Write(kSettingsSection, kBgmFileKey, wide, ini);
    const std::string read = INI_Read(kSettingsSection, kBgmFileKey, ini);
    EXPECT_EQ(read, wide.substr(0, 127 * std::string("曲").size()));
}

TEST_F(IniFileTest, SectionAndKeyNamesAreCutTo127Characters) {
    INI_Write(std::string(200, 's'), std::string(200, 'k'), "long", ini);
    EXPECT_EQ(INI_Read(std::string(127, 's'), std::string(127, 'k'), ini), "long");

    std::string key;
    for (int i = 0; i < 130; ++i) {
        key += "ﾘ";
    }
    INI_Write(kSettingsSection, key, "kana", ini);
    EXPECT_EQ(INI_Read(kSettingsSection, key.substr(0, 127 * std::string("ﾘ").size()), ini),
              "kana");
}

// The path goes to Windows in UTF-16, so a folder outside the code page is no obstacle; the
// file itself is a new ANSI file with the keys' code page 932 bytes.
TEST_F(IniFileTest, AFolderOfAnyNameHoldsAnAnsiFile) {
    if (GetACP() != 932) {
        GTEST_SKIP() << "needs code page 932";
    }
    for (const char* name : {"vel-한글", "vel-〜", "vel-é"}) {
        const std::string place = folder / name;
        std::filesystem::create_directories(testing::utf8Path(place));
        const std::string file = place + "\\" + contract::kSettingsFileName;
        EXPECT_TRUE(INI_Write(kSettingsSection, kBgmKindKey, " 2", file)) << name;
        EXPECT_TRUE(INI_Write(kSettingsSection, kBgmFileKey, "C:\\音楽\\曲.mp3", file)) << name;
        EXPECT_EQ(readText(file),
                  "[Section]\r\n\x42\x47\x4D\x8B\xE6\x95\xAA=2\r\n"
                  "\x42\x47\x4D\xCC\xA7\xB2\xD9=C:\\\x89\xB9\x8A\x79\\\x8B\xC8.mp3\r\n")
            << name;
        EXPECT_EQ(INI_Read(kSettingsSection, kBgmFileKey, file), "C:\\音楽\\曲.mp3") << name;
    }
}

// Nothing is reported as written that was not: no file to write, or a value the ANSI file could
// only hold as a look-alike. A name has no such check: it is stored as the ANSI functions of
// this system store it, "?" and look-alikes included, and found again the same way.
TEST_F(IniFileTest, AValueThatCannotBeStoredExactlyFailsANameIsStoredInTheSystemsForm) {
    const std::string unstorable = std::string("C:\\") + testing::kNameOutsideTheCodePages;
    EXPECT_FALSE(INI_Write(kSettingsSection, kBgmFileKey, unstorable + "\\a.mp3", ini));
    EXPECT_FALSE(std::filesystem::exists(testing::utf8Path(ini)));

    const std::string name = std::string("BGM〜") + testing::kNameOutsideTheCodePages;
    EXPECT_TRUE(INI_Write(kSettingsSection, name, " 1", ini));
    EXPECT_EQ(text::floorToInt16(INI_Read(kSettingsSection, name, ini)), 1);
    EXPECT_NE(readText(ini).find(win32::toAnsi(name) + "="), std::string::npos);

    const std::string folderInstead = folder / "folder.ini";
    std::filesystem::create_directories(testing::utf8Path(folderInstead));
    EXPECT_FALSE(INI_Write(kSettingsSection, kBgmKindKey, " 2", folderInstead));
}

} // namespace
} // namespace velmora::settings

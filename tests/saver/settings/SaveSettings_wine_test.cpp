// The settings save on the real profile functions of whichever code page the system has: the
// bytes of the file against those of the platform's own ANSI functions, reading back, and
// nothing changed on disk when no file takes the record.
#include "contract/SharedNames.h"
#include "saver/settings/IniFile.h"
#include "saver/settings/Settings.h"
#include "saver/settings/core/SettingsRecord.h"
#include "saver/text/core/VbNumber.h"

#include "base/win32/PlatformText.h"
#include "tests/support/Files.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/SystemLanguage.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <set>
#include <vector>

namespace velmora::settings {
namespace {

using testing::readText;
using testing::ScratchFolder;
using testing::utf8Path;
using testing::writeText;

// The platform's own conversion of a name, as a program of the ANSI era passed it.
std::string systemForm(const std::wstring& wide) {
    const int size = static_cast<int>(wide.size());
    const int length =
        WideCharToMultiByte(CP_ACP, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), size, ansi.data(), length, nullptr, nullptr);
    return ansi;
}

std::string hex(const std::string& bytes) {
    std::string out;
    char digits[4];
    for (const char c : bytes) {
        std::snprintf(digits, sizeof digits, "%02X ", static_cast<unsigned char>(c));
        out += digits;
    }
    return out;
}

// Every name below a folder, so that a failed save can be shown to have left no trace.
std::set<std::string> contentsOf(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(utf8Path(folder))) {
        names.insert(testing::utf8String(entry.path()));
    }
    return names;
}

class SaveSettingsTest : public ::testing::Test {
protected:
    ScratchFolder folder{"velmora save"};
    std::string music = folder / testing::musicFolderName();
    std::string song = music + "\\a.mp3";
    std::vector<IniEntry> record{{kBgmKindKey, " 1"}, {kBgmRepeatKey, " 0"}, {kBgmFileKey, song}};

    void SetUp() override { std::filesystem::create_directories(utf8Path(music)); }
    SettingsFiles onlyFile(const std::string& path) const { return {path, "", ""}; }
};

// The oracle: the same record written with WritePrivateProfileStringA and the platform's own
// conversion of the names gives the same file, byte for byte, on every code page.
TEST_F(SaveSettingsTest, TheFileHoldsTheBytesOfThePlatformsAnsiFunctions) {
    const std::string ours = folder / "ours.ini";
    const std::string oracle = folder / "oracle.ini";
    ASSERT_TRUE(SaveSettings(record, onlyFile(ours)));
    const std::string section = systemForm(L"Section");
    for (const IniEntry& entry : record) {
        ASSERT_TRUE(WritePrivateProfileStringA(
            section.c_str(), systemForm(win32::toWide(entry.key)).c_str(),
            win32::toAnsi(entry.value).c_str(), win32::toAnsi(oracle).c_str()));
    }
    const std::string bytes = readText(ours);
    EXPECT_EQ(bytes, readText(oracle));
    std::printf("[figures] code page %u: %s\n", GetACP(), hex(bytes).c_str());

    // It reads back, and saving the same record again leaves the bytes as they were.
    EXPECT_EQ(text::floorToInt16(INI_Read(kSettingsSection, kBgmKindKey, ours)), 1);
    EXPECT_EQ(text::floorToInt16(INI_Read(kSettingsSection, kBgmRepeatKey, ours)), 0);
    EXPECT_EQ(INI_Read(kSettingsSection, kBgmFileKey, ours), song);
    ASSERT_TRUE(SaveSettings(record, onlyFile(ours)));
    EXPECT_EQ(readText(ours), bytes);
    EXPECT_EQ(contentsOf(folder.path()).size(), 3u) << "a scratch file was left behind";
}

// Names without a form become "?" on code page 1252; such a file, as any program using the ANSI
// functions there writes it, reads back.
TEST_F(SaveSettingsTest, AnEnglishSystemStoresQuestionMarksAndReadsThemBack) {
    if (GetACP() != 1252) {
        GTEST_SKIP() << "needs code page 1252";
    }
    const std::string ini = folder / contract::kSettingsFileName;
    // "BGM" and a "?" for each character of the name after it.
    const auto line = [](size_t marks, const std::string& value) {
        return "BGM" + std::string(marks, '?') + "=" + value + "\r\n";
    };
    ASSERT_TRUE(SaveSettings(record, onlyFile(ini)));
    EXPECT_EQ(readText(ini),
              "[Section]\r\n" + line(2, "1") + line(5, "0") + line(4, win32::toAnsi(song)));
    ASSERT_TRUE(writeText(ini, "[Section]\r\n" + line(2, " 2") + line(5, " 3") +
                                   line(4, "C:\\M\xFAsica\\a.mp3")));
    EXPECT_EQ(text::floorToInt16(INI_Read(kSettingsSection, kBgmKindKey, ini)), 2);
    EXPECT_EQ(text::floorToInt16(INI_Read(kSettingsSection, kBgmRepeatKey, ini)), 3);
    EXPECT_EQ(INI_Read(kSettingsSection, kBgmFileKey, ini), "C:\\Música\\a.mp3");
}

// A record that cannot be stored whole changes nothing: a value without an exact form, or no
// file that takes it (a folder in the place of the file beside the programs, and a per-user
// folder that cannot be made below a file).
TEST_F(SaveSettingsTest, ARecordNoFileCanTakeChangesNothingOnDisk) {
    const std::string beside = folder / contract::kSettingsFileName;
    const std::string old = win32::toAnsi("[Section]\r\nBGM区分=2\r\n");
    ASSERT_TRUE(writeText(beside, old));
    const std::set<std::string> before = contentsOf(folder.path());

    std::vector<IniEntry> unstorable = record;
    unstorable.back().value = folder / testing::kNameOutsideTheCodePages;
    EXPECT_FALSE(SaveSettings(unstorable, onlyFile(beside)));
    EXPECT_EQ(readText(beside), old);

    ASSERT_TRUE(DeleteFileW(win32::toWide(beside).c_str()));
    std::filesystem::create_directories(utf8Path(beside));
    ASSERT_TRUE(writeText(folder / "appdata", "a file"));
    const SettingsFiles files = settingsFilesFor(folder.path(), folder / "appdata");
    const std::set<std::string> blocked = contentsOf(folder.path());
    EXPECT_FALSE(SaveSettings(record, files));
    EXPECT_EQ(contentsOf(folder.path()), blocked);
    EXPECT_NE(before, blocked);
}

bool exists(const std::string& path) {
    return GetFileAttributesW(win32::toWide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

// A save stopped between its scratch copy and the move leaves the copy; the next save clears
// the copies of its own file, and no other file whatever its name.
TEST_F(SaveSettingsTest, TheNextSaveClearsTheCopiesAStoppedSaveLeft) {
    const std::string ini = folder / contract::kSettingsFileName;
    const std::string left = ini + ".00001A2B.tmp";
    ASSERT_TRUE(writeText(left, "[Section]\r\n"));
    const std::string others[] = {folder / "vel1A2B.tmp", ini + ".notes.tmp",
                                  folder / "Other.ini.00001A2B.tmp"};
    for (const std::string& other : others) {
        ASSERT_TRUE(writeText(other, "kept"));
    }
    ASSERT_TRUE(SaveSettings(record, onlyFile(ini)));
    EXPECT_FALSE(exists(left));
    for (const std::string& other : others) {
        EXPECT_TRUE(exists(other)) << other;
    }
    EXPECT_EQ(contentsOf(folder.path()).size(), 2u + std::size(others)) << "a scratch copy is left";
}

// With the file beside the programs out of reach, the per-user file gets the whole record, in a
// folder made for it.
TEST_F(SaveSettingsTest, ThePerUserFileGetsTheWholeRecord) {
    std::filesystem::create_directories(utf8Path(folder / contract::kSettingsFileName));
    const SettingsFiles files = settingsFilesFor(folder.path(), folder / "appdata");
    std::filesystem::create_directories(utf8Path(folder / "appdata"));
    ASSERT_TRUE(SaveSettings(record, files));
    const std::string oracle = folder / "oracle.ini";
    ASSERT_TRUE(SaveSettings(record, onlyFile(oracle)));
    EXPECT_EQ(readText(files.perUser), readText(oracle));
}

} // namespace
} // namespace velmora::settings

// LoadSettings and the path functions on a real file system: "Velmora.ini" beside the test
// program, written byte for byte, including damaged and hostile files.
#include "contract/SharedNames.h"
#include "saver/settings/IniFile.h"
#include "saver/settings/Settings.h"

#include "base/win32/PlatformText.h"
#include "tests/support/Files.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/SystemLanguage.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <random>

namespace velmora::settings {

namespace {

using velmora::testing::readText;
using velmora::testing::ScratchFolder;
using velmora::testing::writeText;

// Keeps whatever "Velmora.ini" the test folder held and puts it back afterwards.
class LoadSettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        hadFile_ = FileExists(ini);
        if (hadFile_) {
            saved_ = readText(ini);
        }
    }
    void TearDown() override {
        if (hadFile_) {
            EXPECT_TRUE(writeText(ini, saved_));
        } else {
            DeleteFileW(win32::toWide(ini).c_str());
        }
    }
    // Writes the file from UTF-8 lines in the ANSI code page, then loads it.
    SettingsRecord load(const std::string& utf8) {
        EXPECT_TRUE(writeText(ini, win32::toAnsi(utf8)));
        return LoadSettings();
    }

    ScratchFolder music{"velmora settings"};
    std::string ini = settingsFiles().besideProgram;

private:
    bool hadFile_ = false;
    std::string saved_;
};

TEST_F(LoadSettingsTest, FileLivesBesideTheProgram) {
    wchar_t program[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    const std::string path = win32::fromWide(program);
    EXPECT_EQ(programFolder(), path.substr(0, path.rfind('\\')));
    EXPECT_EQ(ini, programFolder() + "\\" + velmora::contract::kSettingsFileName);
}

// The file's bytes through the code page; the rules of each value are the native tests'.
TEST_F(LoadSettingsTest, ReadsTheRecordAsStored) {
    // A name of this system's language: the file holds it in the ANSI code page.
    const std::string song = music / (testing::musicFolderName() + ".mp3");
    EXPECT_TRUE(writeText(song, "ID3"));
    const std::string head = "[Section]\r\n";
    struct Case {
        std::string text;
        int kind;
        int repeat;
        std::string file;
        std::string folder;
    };
    const Case cases[] = {
        {head + "BGM区分= 2\r\nBGMﾘﾋﾟｰﾄ= 3\r\nBGMﾌｧｲﾙ=" + song + "\r\n", 2, 3, song, music.path()},
        {head + "BGM区分= 2\r\nBGMﾌｧｲﾙ=" + music / "gone.mp3" + "\r\n", 0, 0, "", programFolder()},
        {head + "BGM区分= 1\r\n", 1, 0, "", programFolder()},
        {"", 0, 0, "", programFolder()},
    };
    for (const auto& c : cases) {
        const SettingsRecord& record = load(c.text);
        EXPECT_EQ(record.BgmKind, c.kind) << c.text;
        EXPECT_EQ(record.BgmRepeat, c.repeat) << c.text;
        EXPECT_EQ(record.BgmFile, c.file) << c.text;
        EXPECT_EQ(record.BgmFolder, c.folder) << c.text;
    }
}

TEST_F(LoadSettingsTest, ReadsWhatTheDialogWrites) {
    const std::string song = music / "a.wav";
    EXPECT_TRUE(writeText(song, "RIFF"));
    INI_Write(kSettingsSection, kBgmKindKey, " 2", ini);
    INI_Write(kSettingsSection, kBgmRepeatKey, " 7", ini);
    INI_Write(kSettingsSection, kBgmFileKey, song, ini);
    const SettingsRecord record = LoadSettings();
    EXPECT_EQ(record.BgmKind, 2);
    EXPECT_EQ(record.BgmRepeat, 7);
    EXPECT_EQ(record.BgmFile, song);
}

TEST_F(LoadSettingsTest, DamagedFilesLoadAsNoMusic) {
    std::mt19937 random(7);
    std::string junk;
    for (int i = 0; i < 65536; ++i) {
        junk += static_cast<char>(random());
    }
    const std::string head = "[Section]\r\n";
    const std::string cases[] = {
        head + "BGM区分=99999999999999999999999999999999\r\nBGMﾘﾋﾟｰﾄ=-1e308\r\n",
        head + "BGM区分=1e999\r\nBGMﾘﾋﾟｰﾄ=&H10000\r\n",
        head + "BGM区分= 2\r\nBGMﾌｧｲﾙ=C:\\" + std::string(5000, 'x') + "\r\n",
        "BGM区分= 2\r\nBGMﾘﾋﾟｰﾄ= 3\r\n",
        "[Other]\r\nBGM区分= 1\r\n",
        head + "BGM区分=" + std::string("\0\x01\xff", 3) + "\r\nBGMﾌｧｲﾙ=\x81\r\n",
        std::string(100000, '['),
    };
    for (const auto& text : cases) {
        const SettingsRecord& record = load(text);
        EXPECT_EQ(record.BgmKind, 0);
        EXPECT_EQ(record.BgmRepeat, 0);
        EXPECT_EQ(record.BgmFile, "");
        EXPECT_EQ(record.BgmFolder, programFolder());
    }
    EXPECT_TRUE(writeText(ini, junk));
    EXPECT_EQ(LoadSettings().BgmFile, "");
}

TEST_F(LoadSettingsTest, MusicPathIsCutTo255Bytes) {
    // A file whose own path is exactly 255 bytes, stored with more after it: the cut path is
    // what the loader sees.
    const std::string start = music / "";
    const std::string song = start + std::string(255 - start.size() - 4, 'n') + ".mp3";
    ASSERT_EQ(win32::toAnsi(song).size(), 255u);
    EXPECT_TRUE(writeText(song, "ID3"));
    const SettingsRecord& record =
        load("[Section]\r\nBGM区分= 2\r\nBGMﾌｧｲﾙ=" + song + ".more\\and more\r\n");
    EXPECT_EQ(record.BgmFile, song);
    EXPECT_EQ(record.BgmKind, 2);
}

TEST_F(LoadSettingsTest, ALoadClearsTheCopiesAStoppedSaveLeft) {
    const std::string left = ini + ".0000BEEF.tmp";
    const std::string other = ini + ".0000BEEF.txt";
    EXPECT_TRUE(writeText(left, "[Section]\r\n"));
    EXPECT_TRUE(writeText(other, "kept"));
    load("");
    EXPECT_FALSE(FileExists(left));
    EXPECT_TRUE(FileExists(other));
    DeleteFileW(win32::toWide(other).c_str());
}

// A user who has a file of their own has it read, whatever the file beside the programs says.
TEST_F(LoadSettingsTest, ThePerUserFileIsReadWhenBothExist) {
    const ScratchFolder appData{"velmora appdata"};
    wchar_t previous[MAX_PATH] = {};
    GetEnvironmentVariableW(L"APPDATA", previous, MAX_PATH);
    ASSERT_TRUE(SetEnvironmentVariableW(L"APPDATA", win32::toWide(appData.path()).c_str()));
    const SettingsFiles files = settingsFiles();
    ASSERT_TRUE(CreateDirectoryW(win32::toWide(files.perUserFolder).c_str(), nullptr));
    EXPECT_TRUE(writeText(files.perUser, "[Section]\r\n" + win32::toAnsi("BGM区分") + "= 1\r\n"));
    const SettingsRecord record = load("[Section]\r\nBGM区分= 2\r\nBGMﾘﾋﾟｰﾄ= 3\r\n");
    SetEnvironmentVariableW(L"APPDATA", previous);
    EXPECT_EQ(record.BgmKind, 1);
    EXPECT_EQ(record.BgmRepeat, 0);
}

TEST(FileExistsTest, OnlyFilesThatOpenForReading) {
    ScratchFolder folder{"velmora settings"};
    const std::string file = folder / "曲.wav";
    EXPECT_TRUE(writeText(file, "RIFF"));
    EXPECT_TRUE(FileExists(file));
    EXPECT_TRUE(FileExists(file + "\\"));
    const std::pair<std::string, const char*> absent[] = {
        {folder.path(), "a folder"},
        {folder.path() + "\\", "a folder with a trailing backslash"},
        {"", "an empty path"},
        {"\\", "a lone backslash"},
        {folder / "none.wav", "a missing file"},
        {file + "\\\\", "two trailing backslashes"},
        {"NUL", "a device"},
        {"CON", "the console"},
        {"C:\\" + std::string(5000, 'x'), "an overlong path"},
        {folder / "*.wav", "a wildcard"},
    };
    for (const auto& [path, what] : absent) {
        EXPECT_FALSE(FileExists(path)) << what;
    }
}

} // namespace

} // namespace velmora::settings

// The loading rules of the settings record against a fake settings file and file system.
#include "saver/settings/core/FolderOf.h"
#include "saver/settings/core/SettingsLoader.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace velmora::settings {
namespace {

constexpr char kProgramFolder[] = "C:\\Program Files\\Velmora";

class FakeSettingsSource : public SettingsSource {
public:
    std::map<std::string, std::string> keys;
    std::set<std::string> files;
    std::vector<std::string> existenceTests;

    std::string readKey(const std::string& key) override {
        const auto found = keys.find(key);
        return found == keys.end() ? std::string() : found->second;
    }
    bool fileExists(const std::string& path) override {
        existenceTests.push_back(path);
        return files.count(path) != 0;
    }
    std::string programFolder() override { return kProgramFolder; }
};

struct LoadCase {
    const char* name;
    const char* kind; // null: key absent
    const char* repeat;
    const char* file;
    bool fileExists;
    int expectedKind;
    int expectedRepeat;
    const char* expectedFile;
    const char* expectedFolder;
};

TEST(SettingsLoaderTest, FillsTheRecordFromTheFile) {
    const LoadCase cases[] = {
        {"file music", " 2", " 0", "C:\\Music\\a.mp3", true, 2, 0, "C:\\Music\\a.mp3", "C:\\Music"},
        {"missing music file", " 2", " 0", "C:\\Music\\a.mp3", false, 0, 0, "", kProgramFolder},
        {"empty music file", " 2", " 0", "", false, 0, 0, "", kProgramFolder},
        {"fraction", "2.9", " 0", "C:\\a.wav", true, 2, 0, "C:\\a.wav", "C:"},
        {"negative", "-1", "-1", "", false, -1, -1, "", kProgramFolder},
        {"not a number", "abc", "x", "", false, 0, 0, "", kProgramFolder},
        {"out of range", "40000", "-40000", "", false, 0, 0, "", kProgramFolder},
        {"absent keys", nullptr, nullptr, nullptr, false, 0, 0, "", kProgramFolder},
        {"CD with repeat", " 1", " 5", nullptr, false, 1, 5, "", kProgramFolder},
        {"CD keeps a missing file out", " 1", " 3", "D:\\gone.mp3", false, 1, 3, "",
         kProgramFolder},
        {"relative file", " 2", nullptr, "a.mp3", true, 2, 0, "a.mp3", ""},
        {"unknown kind", " 7", " 0", "C:\\Music\\b.wav", true, 7, 0, "C:\\Music\\b.wav",
         "C:\\Music"},
    };
    for (const auto& c : cases) {
        FakeSettingsSource source;
        if (c.kind) {
            source.keys[kBgmKindKey] = c.kind;
        }
        if (c.repeat) {
            source.keys[kBgmRepeatKey] = c.repeat;
        }
        if (c.file) {
            source.keys[kBgmFileKey] = c.file;
            if (c.fileExists) {
                source.files.insert(c.file);
            }
        }
        SettingsRecord record;
        loadSettingsFrom(source, record);
        EXPECT_EQ(record.BgmKind, c.expectedKind) << c.name;
        EXPECT_EQ(record.BgmRepeat, c.expectedRepeat) << c.name;
        EXPECT_EQ(record.BgmFile, c.expectedFile) << c.name;
        EXPECT_EQ(record.BgmFolder, c.expectedFolder) << c.name;
    }
}

TEST(SettingsLoaderTest, TestsTheMusicFileOnlyWhenOneIsNamed) {
    FakeSettingsSource source;
    SettingsRecord record;
    loadSettingsFrom(source, record);
    EXPECT_TRUE(source.existenceTests.empty());

    source.keys[kBgmFileKey] = "C:\\Music\\a.mp3";
    loadSettingsFrom(source, record);
    EXPECT_EQ(source.existenceTests, std::vector<std::string>{"C:\\Music\\a.mp3"});
}

TEST(SettingsLoaderTest, UnusableValuesDoNotKeepEarlierOnes) {
    FakeSettingsSource source;
    source.keys[kBgmKindKey] = "abc";
    source.keys[kBgmRepeatKey] = "40000";
    SettingsRecord record{1, 9, "C:\\old.mp3", "C:\\"};
    loadSettingsFrom(source, record);
    EXPECT_EQ(record.BgmKind, 0);
    EXPECT_EQ(record.BgmRepeat, 0);
    EXPECT_EQ(record.BgmFile, "");
    EXPECT_EQ(record.BgmFolder, kProgramFolder);
}

TEST(FolderOfTest, CutsAtTheLastColonOrBackslash) {
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\Music\\a.mp3", "C:\\Music"},
        {"C:\\a.mp3", "C:"},
        {"C:a.mp3", "C:"},
        {"a.mp3", ""},
        {"", ""},
        {"C:\\Music\\", "C:\\Music"},
        {"C:\\Music\\\\a.mp3", "C:\\Music\\"},
        {"\\\\server\\share\\a.wav", "\\\\server\\share"},
        {"C:\\表\\ソ.mp3", "C:\\表"},
        {"C:\\x:y\\a.mp3", "C:\\x:y"},
    };
    for (const auto& [path, folder] : cases) {
        EXPECT_EQ(FolderOf(path), folder) << path;
    }
}

} // namespace
} // namespace velmora::settings

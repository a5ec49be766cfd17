// Which settings file a run reads and where "設定" stores the choice, against a fake store.
#include "saver/settings/core/SettingsFiles.h"
#include "saver/settings/core/SettingsSave.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

namespace velmora::settings {
namespace {

const SettingsFiles kFiles =
    settingsFilesFor("C:\\Windows\\System32", "C:\\Users\\u\\AppData\\Roaming");

TEST(SettingsFiles, BesideTheProgramsAndInTheUsersOwnFolder) {
    EXPECT_EQ(kFiles.besideProgram, "C:\\Windows\\System32\\Velmora.ini");
    EXPECT_EQ(kFiles.perUserFolder, "C:\\Users\\u\\AppData\\Roaming\\Velmora");
    EXPECT_EQ(kFiles.perUser, "C:\\Users\\u\\AppData\\Roaming\\Velmora\\Velmora.ini");
    EXPECT_EQ(settingsFilesFor("C:\\vel", "D:\\").perUser, "D:\\Velmora\\Velmora.ini");
    const SettingsFiles noAppData = settingsFilesFor("C:\\vel", "");
    EXPECT_EQ(noAppData.perUser, "");
    EXPECT_EQ(settingsFileToRead(noAppData, true), "C:\\vel\\Velmora.ini");
    EXPECT_EQ(settingsFileToRead(kFiles, true), kFiles.perUser);
    EXPECT_EQ(settingsFileToRead(kFiles, false), kFiles.besideProgram);
}

class FakeStore : public SettingsStore {
public:
    std::set<std::string> existing;
    std::set<std::string> writable;
    std::set<std::string> makeableFolders;
    std::map<std::string, std::vector<IniEntry>> written;

    bool fileExists(const std::string& path) override { return existing.count(path) != 0; }
    bool makeFolder(const std::string& path) override { return makeableFolders.count(path) != 0; }
    bool write(const std::string& key, const std::string& value, const std::string& path) override {
        if (!writable.count(path)) {
            return false;
        }
        written[path].push_back({key, value});
        return true;
    }
};

const std::vector<IniEntry> kEntries = {
    {"BGM区分", " 2"}, {"BGMﾘﾋﾟｰﾄ", " 0"}, {"BGMﾌｧｲﾙ", "a.mp3"}};

TEST(SettingsSave, TheFirstFileThatTakesEveryEntryHoldsThem) {
    const std::string& beside = kFiles.besideProgram;
    const std::string& perUser = kFiles.perUser;
    const struct Case {
        const char* name;
        bool perUserExists;
        std::set<std::string> writable;
        bool folderMakeable;
        bool saved;
        const char* holder; // the file that got every entry, or null
    } cases[] = {
        {"beside writable", false, {beside, perUser}, true, true, "beside"},
        {"beside unwritable", false, {perUser}, true, true, "per-user"},
        {"no per-user folder", false, {perUser}, false, false, nullptr},
        {"nothing writable", false, {}, true, false, nullptr},
        {"per-user file wins", true, {beside, perUser}, true, true, "per-user"},
        {"existing per-user file unwritable", true, {beside}, true, false, nullptr},
    };
    for (const Case& c : cases) {
        FakeStore store;
        store.writable = c.writable;
        if (c.perUserExists) {
            store.existing.insert(perUser);
        }
        if (c.folderMakeable) {
            store.makeableFolders.insert(kFiles.perUserFolder);
        }
        EXPECT_EQ(saveSettingsTo(store, kFiles, kEntries), c.saved) << c.name;
        if (c.holder) {
            EXPECT_EQ(store.written[std::string(c.holder) == "beside" ? beside : perUser], kEntries)
                << c.name;
        }
    }
}

TEST(SettingsSave, WithoutAnAppDataFolderOnlyTheFileBesideTheProgramsIsTried) {
    const SettingsFiles files = settingsFilesFor("C:\\vel", "");
    FakeStore store;
    EXPECT_FALSE(saveSettingsTo(store, files, kEntries));
    store.writable = {files.besideProgram};
    EXPECT_TRUE(saveSettingsTo(store, files, kEntries));
}

} // namespace
} // namespace velmora::settings

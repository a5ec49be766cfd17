// Which settings file a run reads, and where and how "設定" stores the choice, against a fake
// file system and code page.
#include "saver/settings/core/FolderOf.h"
#include "saver/settings/core/SettingsFiles.h"
#include "saver/settings/core/SettingsSave.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <optional>
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

// A small file system: files hold entries, and a folder may refuse new files, a place may refuse
// a file put there (a folder of that name) and the disk may fill up after some writes.
class FakeStore : public SettingsStore {
public:
    std::map<std::string, std::vector<AnsiEntry>> files;
    std::set<std::string> folders;
    std::set<std::string> closedFolders; // take no new file
    std::set<std::string> unmakeableFolders;
    std::set<std::string> blockedPlaces; // a file cannot be put there
    int writesLeft = 1000;               // then the disk is full
    int calls = 0;

    bool fileExists(const std::string& path) override { return files.count(path) != 0; }
    bool folderExists(const std::string& path) override { return folders.count(path) != 0; }
    bool makeFolder(const std::string& path) override {
        ++calls;
        return !unmakeableFolders.count(path) && folders.insert(path).second;
    }
    void removeFolder(const std::string& path) override { folders.erase(path); }
    std::optional<std::string> scratchCopy(const std::string& path) override {
        ++calls;
        const std::string folder = FolderOf(path);
        if (!folders.count(folder) || closedFolders.count(folder) || blockedPlaces.count(path)) {
            return std::nullopt;
        }
        const std::string scratch = folder + "\\scratch" + std::to_string(calls);
        files[scratch] = files.count(path) ? files[path] : std::vector<AnsiEntry>{};
        return scratch;
    }
    bool write(const AnsiEntry& entry, const std::string& path) override {
        ++calls;
        if (writesLeft-- <= 0) {
            return false;
        }
        std::vector<AnsiEntry>& lines = files[path];
        const auto same = std::find_if(lines.begin(), lines.end(), [&](const AnsiEntry& line) {
            return line.section == entry.section && line.key == entry.key;
        });
        if (same == lines.end()) {
            lines.push_back(entry);
        } else {
            *same = entry;
        }
        return true;
    }
    bool replace(const std::string& scratch, const std::string& path) override {
        ++calls;
        if (blockedPlaces.count(path)) {
            return false;
        }
        files[path] = files[scratch];
        files.erase(scratch);
        return true;
    }
    void removeFile(const std::string& path) override { files.erase(path); }
};

// A code page of plain ASCII: a name keeps a "?" for each other character, a value has no form.
class QuestionMarkCodePage : public AnsiCodePage {
public:
    std::optional<std::string> form(const std::string& text, AnsiRule rule) const override {
        std::string ansi;
        for (const char c : text) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte < 0x80) {
                ansi += c;
            } else if (rule == AnsiRule::Exact) {
                return std::nullopt;
            } else if ((byte & 0xC0) != 0x80) {
                ansi += '?';
            }
        }
        return ansi;
    }
};

const std::vector<IniEntry> kEntries = {
    {"BGM区分", " 2"}, {"BGMﾘﾋﾟｰﾄ", " 0"}, {"BGMﾌｧｲﾙ", "a.mp3"}};
const std::vector<AnsiEntry> kRecord = {
    {"Section", "BGM??", " 2"}, {"Section", "BGM?????", " 0"}, {"Section", "BGM????", "a.mp3"}};

bool save(FakeStore& store, std::span<const IniEntry> entries = kEntries,
          const SettingsFiles& files = kFiles) {
    return saveSettingsTo(store, QuestionMarkCodePage(), files, "Section", entries);
}

TEST(SettingsSave, NamesTakeTheSystemFormValuesOnlyAnExactOne) {
    const QuestionMarkCodePage codePage;
    EXPECT_EQ(ansiRecord(codePage, "Section", kEntries), kRecord);
    const IniEntry unstorable[] = {{"BGMﾌｧｲﾙ", "C:\\Música\\a.mp3"}};
    EXPECT_EQ(ansiRecord(codePage, "Section", unstorable), std::nullopt);

    // Names are cut to 127 characters before they are converted.
    const std::string kana = "ﾘ";
    std::string longName;
    for (int i = 0; i < 130; ++i) {
        longName += kana;
    }
    const IniEntry longKey[] = {{longName, "1"}};
    EXPECT_EQ(ansiRecord(codePage, std::string(200, 's'), longKey),
              (std::vector<AnsiEntry>{{std::string(127, 's'), std::string(127, '?'), "1"}}));
}

// Each case starts from the program folder and the user's application-data folder, both open,
// with an old record beside the programs.
TEST(SettingsSave, TheWholeRecordGoesToOneFileOrNothingChanges) {
    const std::string& beside = kFiles.besideProgram;
    const std::string& perUser = kFiles.perUser;
    const std::vector<AnsiEntry> old = {{"Section", "BGM??", " 1"}, {"Other", "kept", "yes"}};
    std::vector<AnsiEntry> updated = kRecord;
    updated.insert(updated.begin() + 1, old[1]);
    const struct Case {
        const char* name;
        std::function<void(FakeStore&)> arrange;
        bool saved;
        std::vector<AnsiEntry> besideAfter;
        std::optional<std::vector<AnsiEntry>> perUserAfter; // nothing: no file
    } cases[] = {
        {"beside writable", [](FakeStore&) {}, true, updated, std::nullopt},
        {"program folder closed",
         [](FakeStore& s) { s.closedFolders.insert("C:\\Windows\\System32"); }, true, old, kRecord},
        {"a folder named like the file", [&](FakeStore& s) { s.blockedPlaces.insert(beside); },
         true, old, kRecord},
        {"disk full after one write beside", [](FakeStore& s) { s.writesLeft = 1; }, false, old,
         std::nullopt},
        {"no per-user folder can be made",
         [](FakeStore& s) {
             s.closedFolders.insert("C:\\Windows\\System32");
             s.unmakeableFolders.insert(kFiles.perUserFolder);
         },
         false, old, std::nullopt},
        {"the made per-user folder takes no file",
         [](FakeStore& s) {
             s.closedFolders = {"C:\\Windows\\System32", kFiles.perUserFolder};
         },
         false, old, std::nullopt},
        {"an existing per-user file wins",
         [&](FakeStore& s) {
             s.folders.insert(kFiles.perUserFolder);
             s.files[perUser] = {old[1]};
         },
         true, old, std::vector<AnsiEntry>{old[1], kRecord[0], kRecord[1], kRecord[2]}},
        {"an existing per-user file that cannot be replaced",
         [&](FakeStore& s) {
             s.folders.insert(kFiles.perUserFolder);
             s.files[perUser] = {old[1]};
             s.blockedPlaces.insert(perUser);
         },
         false, old, std::vector<AnsiEntry>{old[1]}},
    };
    for (const Case& c : cases) {
        FakeStore store;
        store.folders = {"C:\\Windows\\System32", "C:\\Users\\u\\AppData\\Roaming"};
        store.files[beside] = old;
        c.arrange(store);
        const std::set<std::string> foldersBefore = store.folders;
        EXPECT_EQ(save(store), c.saved) << c.name;
        EXPECT_EQ(store.files[beside], c.besideAfter) << c.name;
        EXPECT_EQ(store.files.count(perUser) ? std::optional(store.files[perUser]) : std::nullopt,
                  c.perUserAfter)
            << c.name;
        // No scratch copy is left behind, and only a folder that now holds the record is new.
        EXPECT_EQ(store.files.size(), 1u + (c.perUserAfter ? 1 : 0)) << c.name;
        std::set<std::string> expectedFolders = foldersBefore;
        if (c.perUserAfter) {
            expectedFolders.insert(kFiles.perUserFolder);
        }
        EXPECT_EQ(store.folders, expectedFolders) << c.name;
    }
}

TEST(SettingsSave, AValueWithoutAnExactFormIsRefusedBeforeAnythingIsTouched) {
    FakeStore store;
    store.folders = {"C:\\Windows\\System32", "C:\\Users\\u\\AppData\\Roaming"};
    const IniEntry entries[] = {{"BGM区分", " 2"}, {"BGMﾌｧｲﾙ", "C:\\Música\\a.mp3"}};
    EXPECT_FALSE(save(store, entries));
    EXPECT_EQ(store.calls, 0);
}

TEST(SettingsSave, WithoutAnAppDataFolderOnlyTheFileBesideTheProgramsIsTried) {
    const SettingsFiles files = settingsFilesFor("C:\\vel", "");
    FakeStore store;
    EXPECT_FALSE(save(store, kEntries, files));
    store.folders = {"C:\\vel"};
    EXPECT_TRUE(save(store, kEntries, files));
    EXPECT_EQ(store.files[files.besideProgram], kRecord);
}

} // namespace
} // namespace velmora::settings

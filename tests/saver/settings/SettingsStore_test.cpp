// The settings store's rules against a fake settings file, file system and code page: how the
// record is loaded, and where and how "設定" stores the choice.
#include "saver/settings/core/SettingsStore.h"

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

TEST(LoadSettingsFrom, FillsTheRecordFromTheFile) {
    const LoadCase cases[] = {
        {"file music", " 2", " 0", "C:\\Music\\a.mp3", true, 2, 0, "C:\\Music\\a.mp3", "C:\\Music"},
        {"missing music file", " 2", " 0", "C:\\Music\\a.mp3", false, 0, 0, "", kProgramFolder},
        {"empty music file", " 2", " 0", "", false, 0, 0, "", kProgramFolder},
        {"fraction, at a root", "2.9", " 0", "C:\\a.wav", true, 2, 0, "C:\\a.wav", "C:\\"},
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

TEST(LoadSettingsFrom, TestsTheMusicFileOnlyWhenOneIsNamed) {
    FakeSettingsSource source;
    SettingsRecord record;
    loadSettingsFrom(source, record);
    EXPECT_TRUE(source.existenceTests.empty());

    source.keys[kBgmFileKey] = "C:\\Music\\a.mp3";
    loadSettingsFrom(source, record);
    EXPECT_EQ(source.existenceTests, std::vector<std::string>{"C:\\Music\\a.mp3"});
}

TEST(LoadSettingsFrom, UnusableValuesDoNotKeepEarlierOnes) {
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

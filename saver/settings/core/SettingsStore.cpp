// Loading the record, and the settings save: the record in ANSI form first, then one finished
// file (see SettingsStore.h).
#include "saver/settings/core/SettingsStore.h"

#include "saver/text/core/VbNumber.h"

namespace velmora::settings {

namespace {

constexpr size_t kNameCharacters = 127;

// Writes the record into a copy of the file and puts the copy in its place; the file is either
// as it was or holds the whole record.
bool replaceWithRecord(SettingsStore& store, const std::string& path,
                       std::span<const AnsiEntry> record) {
    const std::optional<std::string> scratch = store.scratchCopy(path);
    if (!scratch) {
        return false;
    }
    bool written = true;
    for (const AnsiEntry& entry : record) {
        written = written && store.write(entry, *scratch);
    }
    if (written && store.replace(*scratch, path)) {
        return true;
    }
    store.removeFile(*scratch);
    return false;
}

// The per-user file goes into a folder of its own; one made for a save that then failed is
// taken away again.
bool saveInPerUserFile(SettingsStore& store, const SettingsFiles& files,
                       std::span<const AnsiEntry> record) {
    const bool made = !store.folderExists(files.perUserFolder);
    if (made && !store.makeFolder(files.perUserFolder)) {
        return false;
    }
    if (replaceWithRecord(store, files.perUser, record)) {
        return true;
    }
    if (made) {
        store.removeFolder(files.perUserFolder);
    }
    return false;
}

} // namespace

void loadSettingsFrom(SettingsSource& source, SettingsRecord& record) {
    // Unusable numbers leave the 0 of a fresh record rather than a value from an earlier load.
    record = SettingsRecord{};
    record.BgmKind = text::floorToInt16(source.readKey(kBgmKindKey));
    record.BgmRepeat = text::floorToInt16(source.readKey(kBgmRepeatKey));

    record.BgmFile = source.readKey(kBgmFileKey);
    if (!record.BgmFile.empty() && !source.fileExists(record.BgmFile)) {
        record.BgmFile.clear();
    }
    if (record.BgmFile.empty() && record.BgmKind == kMusicFile) {
        record.BgmKind = kNoMusic;
    }
    record.BgmFolder = record.BgmFile.empty() ? source.programFolder() : FolderOf(record.BgmFile);
}

std::string profileName(const std::string& utf8) {
    size_t characters = 0;
    for (size_t pos = 0; pos < utf8.size(); ++pos) {
        const bool startsCharacter = (static_cast<unsigned char>(utf8[pos]) & 0xC0) != 0x80;
        if (startsCharacter && characters++ == kNameCharacters) {
            return utf8.substr(0, pos);
        }
    }
    return utf8;
}

std::optional<std::vector<AnsiEntry>> ansiRecord(const AnsiCodePage& codePage,
                                                 const std::string& section,
                                                 std::span<const IniEntry> entries) {
    std::vector<AnsiEntry> record;
    const std::optional<std::string> sectionName =
        codePage.form(profileName(section), AnsiRule::Replaced);
    for (const IniEntry& entry : entries) {
        const std::optional<std::string> key =
            codePage.form(profileName(entry.key), AnsiRule::Replaced);
        const std::optional<std::string> value = codePage.form(entry.value, AnsiRule::Exact);
        if (!sectionName || !key || !value) {
            return std::nullopt;
        }
        record.push_back({*sectionName, *key, *value});
    }
    return record;
}

bool saveSettingsTo(SettingsStore& store, const AnsiCodePage& codePage, const SettingsFiles& files,
                    const std::string& section, std::span<const IniEntry> entries) {
    const std::optional<std::vector<AnsiEntry>> record = ansiRecord(codePage, section, entries);
    if (!record) {
        return false;
    }
    const bool hasPerUser = !files.perUser.empty();
    // A record stored beside the programs would stay hidden behind an existing per-user file.
    if (hasPerUser && store.fileExists(files.perUser)) {
        return saveInPerUserFile(store, files, *record);
    }
    return replaceWithRecord(store, files.besideProgram, *record) ||
           (hasPerUser && saveInPerUserFile(store, files, *record));
}

} // namespace velmora::settings

// The rules of the settings store, apart from the platform. Loading fills the record from the
// file. Storing puts the whole record in one file or nothing anywhere: every text is put into
// the ANSI code page before the first write, and a file is only ever replaced by a finished
// copy, so no file holds part of a record.
#pragma once

#include "saver/settings/core/SettingsPlace.h"
#include "saver/settings/core/SettingsRecord.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace velmora::settings {

// What loading needs of the platform: the file, the existence test and the program folder.
class SettingsSource {
public:
    virtual ~SettingsSource() = default;
    // The value of a key of the settings section; empty when the file, section or key is missing.
    virtual std::string readKey(const std::string& key) = 0;
    virtual bool fileExists(const std::string& path) = 0;
    virtual std::string programFolder() = 0;
};

// Replaces the record with what the source holds; a music file that cannot be opened is dropped
// and file music switched off with it.
void loadSettingsFrom(SettingsSource& source, SettingsRecord& record);

// One line of the settings file, in UTF-8.
struct IniEntry {
    std::string key;
    std::string value;
    bool operator==(const IniEntry&) const = default;
};

// How a text of the settings file takes the system's ANSI code page.
enum class AnsiRule {
    // Section and key names: the system's own form, a character without one replaced as the
    // platform replaces it. The reading side converts a name the same way, so it finds it.
    Replaced,
    // Values: exactly or not at all, since a replaced character in a path names another file.
    Exact,
};

// The section and an entry as the file holds them: bytes of the ANSI code page.
struct AnsiEntry {
    std::string section;
    std::string key;
    std::string value;
    bool operator==(const AnsiEntry&) const = default;
};

// The system's ANSI code page.
class AnsiCodePage {
public:
    virtual ~AnsiCodePage() = default;
    // The ANSI form of a UTF-8 text under the rule; nothing when it has none.
    virtual std::optional<std::string> form(const std::string& text, AnsiRule rule) const = 0;
};

// What storing needs of the file system.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual bool fileExists(const std::string& path) = 0;
    virtual bool folderExists(const std::string& path) = 0;
    // True when the folder was made.
    virtual bool makeFolder(const std::string& path) = 0;
    virtual void removeFolder(const std::string& path) = 0;
    // A new file beside `path` holding a copy of it, or empty when there is no such file yet;
    // nothing when that folder takes no new file or `path` is no file.
    virtual std::optional<std::string> scratchCopy(const std::string& path) = 0;
    // Writes one entry into a file; false when the file could not be written.
    virtual bool write(const AnsiEntry& entry, const std::string& path) = 0;
    // Puts the scratch file in the place of `path` in one step; false when it stays apart.
    virtual bool replace(const std::string& scratch, const std::string& path) = 0;
    virtual void removeFile(const std::string& path) = 0;
};

// The record as the file will hold it, names cut to what the profile functions take; nothing
// when a value has no exact form.
std::optional<std::vector<AnsiEntry>> ansiRecord(const AnsiCodePage& codePage,
                                                 const std::string& section,
                                                 std::span<const IniEntry> entries);

// A section or key name as the profile functions take it: its first 127 characters.
std::string profileName(const std::string& utf8);

// Tries the file beside the programs, then the per-user file (making its folder); when the
// per-user file exists already it is the only one tried, since the loader reads it in
// preference. False, with no file or folder changed, when no file took the whole record.
bool saveSettingsTo(SettingsStore& store, const AnsiCodePage& codePage, const SettingsFiles& files,
                    const std::string& section, std::span<const IniEntry> entries);

} // namespace velmora::settings

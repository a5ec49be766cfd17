// Storing the settings where this user can: every key in one file, the first that takes them
// all, so that nothing is reported as saved that was not.
#pragma once

#include "saver/settings/core/SettingsFiles.h"

#include <span>
#include <string>

namespace velmora::settings {

// One line of the settings file.
struct IniEntry {
    std::string key;
    std::string value;
    bool operator==(const IniEntry&) const = default;
};

// What storing needs of the platform.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual bool fileExists(const std::string& path) = 0;
    // True when the folder exists afterwards.
    virtual bool makeFolder(const std::string& path) = 0;
    // Writes one key of the settings section; false when the file could not be written.
    virtual bool write(const std::string& key, const std::string& value,
                       const std::string& path) = 0;
};

// Tries the file beside the programs, then the per-user file (making its folder); when the
// per-user file exists already it is the only one tried, since the loader reads it in
// preference. False when no file took every entry.
bool saveSettingsTo(SettingsStore& store, const SettingsFiles& files,
                    std::span<const IniEntry> entries);

} // namespace velmora::settings

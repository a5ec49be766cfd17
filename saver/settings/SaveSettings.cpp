// SaveSettings over the profile functions and the file system.
#include "saver/settings/SaveSettings.h"

#include <windows.h>

#include "saver/settings/IniFile.h"
#include "saver/settings/Paths.h"
#include "saver/settings/core/SettingsRecord.h"
#include "saver/text/AnsiText.h"

namespace velmora::settings {

namespace {

class ProfileSettingsStore : public SettingsStore {
public:
    bool fileExists(const std::string& path) override { return FileExists(path); }
    bool makeFolder(const std::string& path) override {
        const std::wstring folder = text::toWide(path);
        if (CreateDirectoryW(folder.c_str(), nullptr)) {
            return true;
        }
        const DWORD attributes = GetFileAttributesW(folder.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    }
    bool write(const std::string& key, const std::string& value, const std::string& path) override {
        return INI_Write(kSettingsSection, key, value, path);
    }
};

} // namespace

bool SaveSettings(std::span<const IniEntry> entries) {
    ProfileSettingsStore store;
    return saveSettingsTo(store, settingsFiles(), entries);
}

} // namespace velmora::settings

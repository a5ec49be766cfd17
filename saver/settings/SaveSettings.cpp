// SaveSettings over the profile functions and the file system.
#include "saver/settings/SaveSettings.h"

#include <vector>
#include <windows.h>

#include "saver/settings/IniFile.h"
#include "saver/settings/Paths.h"
#include "saver/settings/core/FolderOf.h"
#include "saver/settings/core/SettingsRecord.h"
#include "saver/text/AnsiText.h"

namespace velmora::settings {

namespace {

bool isFolder(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

class ProfileSettingsStore : public SettingsStore {
public:
    bool fileExists(const std::string& path) override { return FileExists(path); }
    bool folderExists(const std::string& path) override { return isFolder(text::toWide(path)); }
    bool makeFolder(const std::string& path) override {
        return CreateDirectoryW(text::toWide(path).c_str(), nullptr) != FALSE;
    }
    void removeFolder(const std::string& path) override {
        RemoveDirectoryW(text::toWide(path).c_str());
    }
    std::optional<std::string> scratchCopy(const std::string& path) override {
        const std::wstring target = text::toWide(path);
        if (isFolder(target)) {
            return std::nullopt;
        }
        std::vector<wchar_t> scratch(MAX_PATH + 1);
        // The copy sits in the same folder, so putting it in place is a rename on one volume.
        if (!GetTempFileNameW(text::toWide(FolderOf(path)).c_str(), L"vel", 0, scratch.data())) {
            return std::nullopt;
        }
        const bool exists = GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES;
        if (exists && !CopyFileW(target.c_str(), scratch.data(), FALSE)) {
            DeleteFileW(scratch.data());
            return std::nullopt;
        }
        return text::fromWide(scratch.data());
    }
    bool write(const AnsiEntry& entry, const std::string& path) override {
        return INI_WriteAnsi(entry, path);
    }
    bool replace(const std::string& scratch, const std::string& path) override {
        return MoveFileExW(text::toWide(scratch).c_str(), text::toWide(path).c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
    }
    void removeFile(const std::string& path) override { DeleteFileW(text::toWide(path).c_str()); }
};

} // namespace

bool SaveSettings(std::span<const IniEntry> entries, const SettingsFiles& files) {
    ProfileSettingsStore store;
    return saveSettingsTo(store, SystemCodePage(), files, kSettingsSection, entries);
}

bool SaveSettings(std::span<const IniEntry> entries) {
    return SaveSettings(entries, settingsFiles());
}

} // namespace velmora::settings

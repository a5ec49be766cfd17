// The settings store over the file system and the profile functions (see Settings.h).
#include "saver/settings/Settings.h"

#include <vector>
#include <windows.h>

#include "base/win32/PlatformText.h"
#include "saver/settings/IniFile.h"

namespace velmora::settings {

namespace {

bool isFolder(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Removes the scratch copies of a settings file that a save stopped before its last step left
// beside it; other files of the folder, whatever their names, stay.
void clearScratchFiles(const std::string& settingsFile) {
    if (settingsFile.empty()) {
        return;
    }
    const std::string folder = FolderOf(settingsFile);
    const std::string name = settingsFile.substr(settingsFile.find_last_of(":\\") + 1);
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW(win32::toWide(settingsFile + ".*.tmp").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        const std::string foundName = win32::fromWide(found.cFileName);
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
            isScratchFileOf(foundName, name)) {
            DeleteFileW(win32::toWide(joinPath(folder, foundName)).c_str());
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

// A new, empty scratch file beside the settings file; nothing when its folder takes none.
std::optional<std::string> newScratchFile(const std::string& settingsFile) {
    // Numbers from the clock, so that even a copy a stopped save left behind is rarely met.
    const uint32_t first = static_cast<uint32_t>(GetTickCount64() ^ GetCurrentProcessId() << 16);
    for (uint32_t attempt = 0; attempt < 16; ++attempt) {
        const std::string scratch = scratchFileFor(settingsFile, first + attempt);
        const HANDLE file = CreateFileW(win32::toWide(scratch).c_str(), GENERIC_WRITE, 0, nullptr,
                                        CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            CloseHandle(file);
            return scratch;
        }
        if (GetLastError() != ERROR_FILE_EXISTS) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

class ProfileSettingsSource : public SettingsSource {
public:
    std::string readKey(const std::string& key) override {
        return INI_Read(kSettingsSection, key, path_);
    }
    bool fileExists(const std::string& path) override { return FileExists(path); }
    std::string programFolder() override { return settings::programFolder(); }

private:
    static std::string fileToRead() {
        const SettingsFiles files = settingsFiles();
        clearScratchFiles(files.besideProgram);
        clearScratchFiles(files.perUser);
        return settingsFileToRead(files, FileExists(files.perUser));
    }

    std::string path_ = fileToRead();
};

class ProfileSettingsStore : public SettingsStore {
public:
    bool fileExists(const std::string& path) override { return FileExists(path); }
    bool folderExists(const std::string& path) override { return isFolder(win32::toWide(path)); }
    bool makeFolder(const std::string& path) override {
        return CreateDirectoryW(win32::toWide(path).c_str(), nullptr) != FALSE;
    }
    void removeFolder(const std::string& path) override {
        RemoveDirectoryW(win32::toWide(path).c_str());
    }
    std::optional<std::string> scratchCopy(const std::string& path) override {
        const std::wstring target = win32::toWide(path);
        if (isFolder(target)) {
            return std::nullopt;
        }
        clearScratchFiles(path);
        // The copy sits in the same folder, so putting it in place is a rename on one volume.
        const std::optional<std::string> scratch = newScratchFile(path);
        if (!scratch) {
            return std::nullopt;
        }
        const bool exists = GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES;
        if (exists && !CopyFileW(target.c_str(), win32::toWide(*scratch).c_str(), FALSE)) {
            removeFile(*scratch);
            return std::nullopt;
        }
        return scratch;
    }
    bool write(const AnsiEntry& entry, const std::string& path) override {
        return INI_WriteAnsi(entry, path);
    }
    bool replace(const std::string& scratch, const std::string& path) override {
        return MoveFileExW(win32::toWide(scratch).c_str(), win32::toWide(path).c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
    }
    void removeFile(const std::string& path) override { DeleteFileW(win32::toWide(path).c_str()); }
};

} // namespace

bool FileExists(const std::string& path) {
    std::string name = path;
    if (!name.empty() && name.back() == '\\') {
        name.pop_back();
    }
    if (name.empty()) {
        return false;
    }
    // Folders cannot be opened this way; devices such as CON or a serial port can, but they are
    // not files to play or to start, so only a file on a disk counts.
    const HANDLE file = CreateFileW(win32::toWide(name).c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    const bool onDisk = GetFileType(file) == FILE_TYPE_DISK;
    CloseHandle(file);
    return onDisk;
}

std::string programFolder() {
    std::vector<wchar_t> buffer(32768);
    const DWORD length =
        GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    return FolderOf(win32::fromWide(std::wstring_view(buffer.data(), length)));
}

std::string besideProgram(const std::string& name) {
    return joinPath(programFolder(), name);
}

SettingsFiles settingsFiles() {
    // The variable rather than the shell's folder: it is what the user's session says, and
    // what a test can point elsewhere.
    std::vector<wchar_t> appData(32768);
    const DWORD length =
        GetEnvironmentVariableW(L"APPDATA", appData.data(), static_cast<DWORD>(appData.size()));
    const bool known = length > 0 && length < appData.size();
    return settingsFilesFor(
        programFolder(), known ? win32::fromWide(std::wstring_view(appData.data(), length)) : "");
}

SettingsRecord LoadSettings() {
    ProfileSettingsSource source;
    SettingsRecord record;
    loadSettingsFrom(source, record);
    return record;
}

bool SaveSettings(std::span<const IniEntry> entries, const SettingsFiles& files) {
    ProfileSettingsStore store;
    return saveSettingsTo(store, SystemCodePage(), files, kSettingsSection, entries);
}

bool SaveSettings(std::span<const IniEntry> entries) {
    return SaveSettings(entries, settingsFiles());
}

} // namespace velmora::settings

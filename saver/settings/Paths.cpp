// The path functions that ask Windows: the existence test and the program's own folder.
#include "saver/settings/Paths.h"

#include "saver/settings/core/FolderOf.h"
#include "saver/text/AnsiText.h"

#include <vector>
#include <windows.h>

namespace velmora::settings {

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
    const HANDLE file = CreateFileW(text::toWide(name).c_str(), GENERIC_READ,
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
    return FolderOf(text::fromWide(std::wstring_view(buffer.data(), length)));
}

SettingsFiles settingsFiles() {
    // The variable rather than the shell's folder: it is what the user's session says, and
    // what a test can point elsewhere.
    std::vector<wchar_t> appData(32768);
    const DWORD length =
        GetEnvironmentVariableW(L"APPDATA", appData.data(), static_cast<DWORD>(appData.size()));
    const bool known = length > 0 && length < appData.size();
    return settingsFilesFor(programFolder(),
                            known ? text::fromWide(std::wstring_view(appData.data(), length)) : "");
}

} // namespace velmora::settings

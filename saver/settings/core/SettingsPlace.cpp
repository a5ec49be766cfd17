// The settings file places and the path rules (see SettingsPlace.h).
#include "saver/settings/core/SettingsPlace.h"

#include <cstdio>

#include "contract/SharedNames.h"

namespace velmora::settings {

namespace {

constexpr std::string_view kScratchEnding = ".tmp";
constexpr size_t kScratchDigits = 8;

bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

} // namespace

std::string FolderOf(const std::string& path) {
    // ":" and "\" are single bytes that never occur inside a UTF-8 sequence, so a byte scan
    // finds the same place as a character scan.
    const size_t last = path.find_last_of(":\\");
    if (last == std::string::npos) {
        return {};
    }
    std::string folder = path.substr(0, last + 1);
    const bool root = folder == "\\" || (folder.size() == 3 && folder[1] == ':');
    if (folder.back() == '\\' && !root) {
        folder.pop_back();
    }
    return folder;
}

std::string joinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) {
        return name;
    }
    return folder.back() == '\\' ? folder + name : folder + "\\" + name;
}

SettingsFiles settingsFilesFor(const std::string& programFolder, const std::string& appData) {
    SettingsFiles files{joinPath(programFolder, contract::kSettingsFileName), "", ""};
    if (!appData.empty()) {
        files.perUserFolder = joinPath(appData, contract::kPerUserFolderName);
        files.perUser = joinPath(files.perUserFolder, contract::kSettingsFileName);
    }
    return files;
}

const std::string& settingsFileToRead(const SettingsFiles& files, bool perUserExists) {
    return perUserExists && !files.perUser.empty() ? files.perUser : files.besideProgram;
}

std::string scratchFileFor(const std::string& settingsFile, uint32_t number) {
    char digits[kScratchDigits + 1];
    std::snprintf(digits, sizeof digits, "%08X", static_cast<unsigned>(number));
    return settingsFile + "." + digits + std::string(kScratchEnding);
}

bool isScratchFileOf(std::string_view name, std::string_view settingsFileName) {
    const size_t length = settingsFileName.size() + 1 + kScratchDigits + kScratchEnding.size();
    if (settingsFileName.empty() || name.size() != length ||
        name.substr(0, settingsFileName.size()) != settingsFileName ||
        name[settingsFileName.size()] != '.' || !name.ends_with(kScratchEnding)) {
        return false;
    }
    const std::string_view number = name.substr(settingsFileName.size() + 1, kScratchDigits);
    for (const char c : number) {
        if (!isHexDigit(c)) {
            return false;
        }
    }
    return true;
}

} // namespace velmora::settings

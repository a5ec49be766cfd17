// The settings file places (see SettingsFiles.h).
#include "saver/settings/core/SettingsFiles.h"

namespace {
constexpr char kFileName[] = "\\Velmora.ini";
}

SettingsFiles settingsFilesFor(const std::string& programFolder, const std::string& appData) {
    SettingsFiles files{programFolder + kFileName, "", ""};
    if (!appData.empty()) {
        std::string folder = appData;
        if (folder.back() == '\\') {
            folder.pop_back();
        }
        files.perUserFolder = folder + "\\Velmora";
        files.perUser = files.perUserFolder + kFileName;
    }
    return files;
}

const std::string& settingsFileToRead(const SettingsFiles& files, bool perUserExists) {
    return perUserExists && !files.perUser.empty() ? files.perUser : files.besideProgram;
}

// The settings file places (see SettingsFiles.h).
#include "saver/settings/core/SettingsFiles.h"

#include "contract/SharedNames.h"

namespace velmora::settings {

namespace {
std::string settingsFileIn(const std::string& folder) {
    return folder + "\\" + velmora::contract::kSettingsFileName;
}
} // namespace

SettingsFiles settingsFilesFor(const std::string& programFolder, const std::string& appData) {
    SettingsFiles files{settingsFileIn(programFolder), "", ""};
    if (!appData.empty()) {
        std::string folder = appData;
        if (folder.back() == '\\') {
            folder.pop_back();
        }
        files.perUserFolder = folder + "\\" + velmora::contract::kPerUserFolderName;
        files.perUser = settingsFileIn(files.perUserFolder);
    }
    return files;
}

const std::string& settingsFileToRead(const SettingsFiles& files, bool perUserExists) {
    return perUserExists && !files.perUser.empty() ? files.perUser : files.besideProgram;
}

} // namespace velmora::settings

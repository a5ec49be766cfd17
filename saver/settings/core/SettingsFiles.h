// Where the settings of this user live: the file beside the programs, or, for a user who cannot
// write there (a standard user of a program in System32), a file in the user's own
// application-data folder.
#pragma once

#include <string>

namespace velmora::settings {

struct SettingsFiles {
    std::string besideProgram; // <program folder>\Velmora.ini
    std::string perUserFolder; // %APPDATA%\Velmora; empty when the user has no such folder
    std::string perUser;       // <perUserFolder>\Velmora.ini; empty likewise
};

SettingsFiles settingsFilesFor(const std::string& programFolder, const std::string& appData);

// The per-user file holds this user's own choice, so it is read while it exists.
const std::string& settingsFileToRead(const SettingsFiles& files, bool perUserExists);

} // namespace velmora::settings

// Where the settings of this user live, and the path rules the settings store and the saver go
// by: the folder of a path as a place (a drive's root keeps its backslash), joins, and the
// scratch copies a settings save makes beside its file.
//
// The file beside the programs serves every user who can write there; a user who cannot (a
// standard user of a program in System32) keeps a file in the user's own application-data
// folder.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace velmora::settings {

// The path up to its last ":" or "\", without a trailing "\" unless it is the root's, so that
// the result names the same folder wherever it is used: C:\Music\a.mp3 -> C:\Music,
// C:\a.mp3 -> C:\ (C: alone would be the current folder of drive C:), \a.mp3 -> \,
// C:a.mp3 -> C: (the path itself is in that current folder), a.mp3 -> empty.
std::string FolderOf(const std::string& path);

// name in folder, with one "\" between them however the folder ends; an empty folder is the
// current one, so the name alone.
std::string joinPath(const std::string& folder, const std::string& name);

struct SettingsFiles {
    std::string besideProgram; // <program folder>\Velmora.ini
    std::string perUserFolder; // %APPDATA%\Velmora; empty when the user has no such folder
    std::string perUser;       // <perUserFolder>\Velmora.ini; empty likewise
};

SettingsFiles settingsFilesFor(const std::string& programFolder, const std::string& appData);

// The per-user file holds this user's own choice, so it is read while it exists.
const std::string& settingsFileToRead(const SettingsFiles& files, bool perUserExists);

// A save writes the record into a scratch copy beside the file and then moves the copy into its
// place; one stopped between the two leaves the copy. A copy is the file's name followed by a
// number of eight hexadecimal digits and ".tmp", so that a later save or load can tell the
// copies of that file from any other file and clear them.
std::string scratchFileFor(const std::string& settingsFile, uint32_t number);
// name: a file name without its folder; settingsFileName likewise.
bool isScratchFileOf(std::string_view name, std::string_view settingsFileName);

} // namespace velmora::settings

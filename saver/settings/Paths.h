// Path helpers of the saver program. FolderOf is platform-free; the others ask Windows.
#pragma once

#include <string>

#include "saver/settings/core/SettingsFiles.h"

// True when the path names a file that can be opened for reading; a trailing "\" is dropped
// first, so "C:\Music\" tests the folder C:\Music and gives false.
bool FileExists(const std::string& path);

// The path up to its last ":" or "\", without a trailing "\": C:\Music\a.mp3 -> C:\Music,
// C:\a.mp3 -> C:, C:a.mp3 -> C:, a.mp3 -> empty.
std::string FolderOf(const std::string& path);

// The folder of the running program, as FolderOf of its full path.
std::string programFolder();

// The settings files of this program and user: beside programFolder(), and below %APPDATA%.
SettingsFiles settingsFiles();

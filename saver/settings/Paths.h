// Path helpers of the saver program that ask Windows.
#pragma once

#include <string>

#include "saver/settings/core/SettingsFiles.h"

namespace velmora::settings {

// True when the path names a file that can be opened for reading; a trailing "\" is dropped
// first, so "C:\Music\" tests the folder C:\Music and gives false.
bool FileExists(const std::string& path);

// The folder of the running program, as FolderOf of its full path.
std::string programFolder();

// The settings files of this program and user: beside programFolder(), and below %APPDATA%.
SettingsFiles settingsFiles();

} // namespace velmora::settings

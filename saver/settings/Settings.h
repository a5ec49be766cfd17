// The settings store over Win32: the program's folder, the existence test, and loading and
// saving the settings record in the settings file of this program and user.
#pragma once

#include <span>
#include <string>

#include "saver/settings/core/SettingsPlace.h"
#include "saver/settings/core/SettingsRecord.h"
#include "saver/settings/core/SettingsStore.h"

namespace velmora::settings {

// True when the path names a file that can be opened for reading; a trailing "\" is dropped
// first, so "C:\Music\" tests the folder C:\Music and gives false.
bool FileExists(const std::string& path);

// The folder of the running program, as FolderOf of its full path (C:\ for a drive's root).
std::string programFolder();
// A file beside the running program.
std::string besideProgram(const std::string& name);

// The settings files of this program and user: beside programFolder(), and below %APPDATA%.
SettingsFiles settingsFiles();

// The record as the settings file of this program and user holds it. Scratch copies that an
// earlier save left beside either file are cleared first.
SettingsRecord LoadSettings();

// Writes every entry to the settings section of one of the files, whole; false, with nothing
// changed on disk, when no file could take them. Scratch copies that an earlier save left
// beside a file are cleared before it is tried.
bool SaveSettings(std::span<const IniEntry> entries, const SettingsFiles& files);
// The same for this program's and user's settings files.
bool SaveSettings(std::span<const IniEntry> entries);

} // namespace velmora::settings

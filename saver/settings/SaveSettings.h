// Storing the settings record where this user can write it (see core/SettingsSave.h).
#pragma once

#include <span>

#include "saver/settings/core/SettingsFiles.h"
#include "saver/settings/core/SettingsSave.h"

namespace velmora::settings {

// Writes every entry to the settings section of one of the files, whole; false, with nothing
// changed on disk, when no file could take them.
bool SaveSettings(std::span<const IniEntry> entries, const SettingsFiles& files);

// The same for this program's and user's settings files.
bool SaveSettings(std::span<const IniEntry> entries);

} // namespace velmora::settings

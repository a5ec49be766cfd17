// Storing the settings keys where this user can write them (see core/SettingsSave.h).
#pragma once

#include <span>

#include "saver/settings/core/SettingsSave.h"

namespace velmora::settings {

// Writes every entry to the settings section of this user's settings file; false when no
// file could take them.
bool SaveSettings(std::span<const IniEntry> entries);

} // namespace velmora::settings

// Loading the settings record from the settings file of this program and user.
#pragma once

#include "saver/settings/core/SettingsRecord.h"

namespace velmora::settings {

// Fills settings() from the settings file.
void LoadSettings();

} // namespace velmora::settings

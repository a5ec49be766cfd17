// Loading the settings record from the settings file of this program and user.
#pragma once

#include "saver/settings/core/SettingsRecord.h"

namespace velmora::settings {

// The record as the settings file of this program and user holds it.
SettingsRecord LoadSettings();

} // namespace velmora::settings

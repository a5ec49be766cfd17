// The settings dialog of the configure mode.
#pragma once

#include "saver/settings/core/SettingsRecord.h"

namespace velmora::dialog {

// Shows the dialog modally, with no owner window, and returns once it has closed. It edits
// record, and writes the settings file when the user confirms.
void showSettingsDialog(settings::SettingsRecord& record);

} // namespace velmora::dialog

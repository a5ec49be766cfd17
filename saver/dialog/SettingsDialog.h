// The settings dialog of the configure mode.
#pragma once

namespace velmora::dialog {

// Shows the dialog modally, with no owner window, and returns once it has closed. It edits the
// process's settings record, and writes the settings file when the user confirms.
void showSettingsDialog();

} // namespace velmora::dialog

// The platform's open-file dialog as the settings dialog asks for a music file.
#pragma once

#include <optional>
#include <string>

#include <windows.h>

namespace velmora::dialog {

// Shows "ﾌｧｲﾙを開く" owned by owner, starting in startFolder and offering MP3 and WAV files.
// Returns the chosen path, or nothing when the user cancelled or the dialog failed.
std::optional<std::string> chooseMusicFile(HWND owner, const std::string& startFolder);

} // namespace velmora::dialog

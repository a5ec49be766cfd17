// The folder part of a path, as the settings dialog's file chooser and the loader use it.
#pragma once

#include <string>

namespace velmora::settings {

// The path up to its last ":" or "\", without a trailing "\": C:\Music\a.mp3 -> C:\Music,
// C:\a.mp3 -> C:, C:a.mp3 -> C:, a.mp3 -> empty.
std::string FolderOf(const std::string& path);

} // namespace velmora::settings

// The music sources the BgmKind setting names. The setting itself stays a number: a file may
// hold any other value, which plays nothing and marks no source in the dialog.
#pragma once

#include <cstdint>

namespace velmora::settings {

enum BgmKind : int16_t { kNoMusic = 0, kAudioCd = 1, kMusicFile = 2 };

} // namespace velmora::settings

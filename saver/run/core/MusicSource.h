// Which music a full-screen run plays, from the settings: the kind, and for a music file the
// last three characters of its path in any letter case.
#pragma once

#include <cstdint>
#include <string_view>

#include "saver/settings/core/BgmKind.h"

namespace velmora::run {

enum class MusicSource { None, Cd, Wav, Mp3 };

// The audio CD, or a music file ending in WAV or MP3; anything else plays nothing. The kind is
// the stored number, which a settings file may set to anything.
MusicSource musicSourceOf(int16_t bgmKind, std::string_view bgmFile);

} // namespace velmora::run

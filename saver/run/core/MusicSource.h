// Which music a full-screen run plays, from the settings: the kind, and for a music file the
// last three characters of its path in any letter case.
#pragma once

#include <cstdint>
#include <string_view>

enum class MusicSource { None, Cd, Wav, Mp3 };

// BgmKind 1 is the CD; BgmKind 2 is a file ending in WAV or MP3; anything else plays nothing.
MusicSource musicSourceOf(int16_t bgmKind, std::string_view bgmFile);

// The music source of a run (see MusicSource.h).
#include "saver/run/core/MusicSource.h"

#include <cctype>
#include <string>

namespace velmora::run {

namespace {

// Non-ASCII characters are bytes of 0x80 and above in UTF-8, so the last three bytes spell
// WAV or MP3 exactly when the last three characters do.
std::string lastThreeUpper(std::string_view path) {
    std::string tail(path.substr(path.size() < 3 ? 0 : path.size() - 3));
    for (char& c : tail) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return tail;
}

} // namespace

MusicSource musicSourceOf(int16_t bgmKind, std::string_view bgmFile) {
    if (bgmKind == settings::kAudioCd) {
        return MusicSource::Cd;
    }
    if (bgmKind != settings::kMusicFile) {
        return MusicSource::None;
    }
    const std::string ending = lastThreeUpper(bgmFile);
    if (ending == "WAV") {
        return MusicSource::Wav;
    }
    if (ending == "MP3") {
        return MusicSource::Mp3;
    }
    return MusicSource::None;
}

} // namespace velmora::run

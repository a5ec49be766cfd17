// Which music a run starts from the settings.
#include "saver/run/core/RunMachine.h"

#include <gtest/gtest.h>

#include <string>

namespace velmora::run {

TEST(MusicSourceOf, KindAndFileEnding) {
    const struct {
        int16_t kind;
        std::string file;
        MusicSource source;
    } cases[] = {
        {settings::kNoMusic, "C:\\m\\a.mp3", MusicSource::None},
        {settings::kAudioCd, "", MusicSource::Cd},
        {settings::kAudioCd, "C:\\m\\a.mp3", MusicSource::Cd},
        {settings::kMusicFile, "C:\\m\\a.mp3", MusicSource::Mp3},
        {settings::kMusicFile, "C:\\m\\a.MP3", MusicSource::Mp3},
        {settings::kMusicFile, "C:\\m\\a.Mp3", MusicSource::Mp3},
        {settings::kMusicFile, "C:\\m\\a.wav", MusicSource::Wav},
        {settings::kMusicFile, "C:\\m\\a.WaV", MusicSource::Wav},
        {settings::kMusicFile, "C:\\音楽\\曲.wav", MusicSource::Wav},
        {settings::kMusicFile, "C:\\m\\a.mid", MusicSource::None},
        {settings::kMusicFile, "C:\\m\\a.mp3 ", MusicSource::None},
        {settings::kMusicFile, "mp3", MusicSource::Mp3}, // three characters in all
        {settings::kMusicFile, "p3", MusicSource::None},
        {settings::kMusicFile, "", MusicSource::None},
        {settings::kMusicFile, "C:\\m\\曲", MusicSource::None},
        {3, "C:\\m\\a.wav", MusicSource::None},
        {-1, "C:\\m\\a.wav", MusicSource::None},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(musicSourceOf(c.kind, c.file), c.source) << c.kind << " " << c.file;
    }
}

} // namespace velmora::run

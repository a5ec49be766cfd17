// Which music a run starts from the settings.
#include "saver/run/core/MusicSource.h"

#include <gtest/gtest.h>

#include <string>

TEST(MusicSourceOf, KindAndFileEnding) {
    const struct {
        int16_t kind;
        std::string file;
        MusicSource source;
    } cases[] = {
        {0, "C:\\m\\a.mp3", MusicSource::None},
        {1, "", MusicSource::Cd},
        {1, "C:\\m\\a.mp3", MusicSource::Cd},
        {2, "C:\\m\\a.mp3", MusicSource::Mp3},
        {2, "C:\\m\\a.MP3", MusicSource::Mp3},
        {2, "C:\\m\\a.Mp3", MusicSource::Mp3},
        {2, "C:\\m\\a.wav", MusicSource::Wav},
        {2, "C:\\m\\a.WaV", MusicSource::Wav},
        {2, "C:\\音楽\\曲.wav", MusicSource::Wav},
        {2, "C:\\m\\a.mid", MusicSource::None},
        {2, "C:\\m\\a.mp3 ", MusicSource::None},
        {2, "mp3", MusicSource::Mp3}, // three characters in all
        {2, "p3", MusicSource::None},
        {2, "", MusicSource::None},
        {2, "C:\\m\\曲", MusicSource::None},
        {3, "C:\\m\\a.wav", MusicSource::None},
        {-1, "C:\\m\\a.wav", MusicSource::None},
    };
    for (const auto& c : cases)
        EXPECT_EQ(musicSourceOf(c.kind, c.file), c.source) << c.kind << " " << c.file;
}

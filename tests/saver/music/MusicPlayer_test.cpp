// The music player's command strings and reply handling, and the MP3 and WAV procedures, as
// command sequences against a scripted platform.
#include "saver/music/core/MusicPlayer.h"

#include "tests/support/FakeMusicPlatform.h"

#include <gtest/gtest.h>

namespace velmora::music {

namespace {

using testing::FakeMusicPlatform;
using Sent = FakeMusicPlatform::Sent;
using Sound = FakeMusicPlatform::Sound;
using Commands = std::vector<std::string>;

class MusicPlayerTest : public ::testing::Test {
protected:
    FakeMusicPlatform platform;
    settings::SettingsRecord record{2, 0, "C:\\Music\\曲.mp3", "C:\\Music"};
    MusicPlayer player{platform, record};
};

TEST_F(MusicPlayerTest, SendReturnsTheReplyOrTheErrorText) {
    platform.succeed("status cdaudio mode", "playing");
    platform.fail("open nothing", 275);
    platform.errorTexts[275] = "ファイルが見つかりません";
    platform.fail("open other", 263);

    std::string reply;
    EXPECT_EQ(player.MCI_Send("status cdaudio mode", reply), 0);
    EXPECT_EQ(reply, "playing");
    EXPECT_EQ(player.MCI_Send("open nothing", reply), 275);
    EXPECT_EQ(reply, "ファイルが見つかりません");
    EXPECT_EQ(player.MCI_Send("open other", reply), 263);
    EXPECT_EQ(reply, "Error (文字列が取れません)");

    EXPECT_EQ(platform.sent,
              (std::vector<Sent>{
                  {"status cdaudio mode", 512}, {"open nothing", 512}, {"open other", 512}}));
    EXPECT_EQ(platform.errorCapacities, (std::vector<uint32_t>{256, 256}));
}

TEST_F(MusicPlayerTest, EmptyCommandIsNotSent) {
    std::string reply = "old";
    EXPECT_EQ(player.MCI_Send("", reply), -1);
    EXPECT_EQ(reply, "コマンド文字列が指定されていません");
    EXPECT_TRUE(platform.sent.empty());
}

TEST_F(MusicPlayerTest, SuccessfulCommandWithoutReplyClearsTheOldReply) {
    platform.succeed("status cdaudio current track", "4");
    std::string reply;
    player.MCI_Send("status cdaudio current track", reply);
    player.MCI_Send("stop cdaudio", reply);
    EXPECT_EQ(reply, "");
}

TEST_F(MusicPlayerTest, QueryGivesErrorAndCodeWhileLastReplyKeepsTheText) {
    platform.fail("status cdaudio current track", 277);
    platform.errorTexts[277] = "device not ready";
    EXPECT_EQ(player.MCI_Query("status cdaudio current track"), "Error:277");
    EXPECT_EQ(player.LastReply(), "device not ready");

    platform.succeed("status cdaudio number of tracks", "12");
    EXPECT_EQ(player.MCI_Query("status cdaudio number of tracks"), "12");
    EXPECT_EQ(player.LastReply(), "12");
}

TEST_F(MusicPlayerTest, PlayLeavesOutEmptyBounds) {
    struct Case {
        const char* from;
        const char* to;
        const char* command;
    };
    const Case cases[] = {
        {"", "", "play cdaudio"},
        {"3", "", "play cdaudio from 3"},
        {"", "5", "play cdaudio to 5"},
        {"3", "5", "play cdaudio from 3 to 5"},
    };
    for (const auto& c : cases) {
        platform.sent.clear();
        platform.script(c.command, {0, "done"});
        EXPECT_EQ(player.MCI_Play("cdaudio", c.from, c.to), 0);
        EXPECT_EQ(platform.sent, (std::vector<Sent>{{c.command, 512}}));
        EXPECT_EQ(player.LastReply(), "done");
    }
    platform.fail("play cdaudio from x", 263);
    EXPECT_EQ(player.MCI_Play("cdaudio", "x", ""), 263);
    EXPECT_EQ(player.LastReply(), "Error (文字列が取れません)");
}

TEST_F(MusicPlayerTest, Mp3OpensAndPlaysUnderItsAlias) {
    player.MP3_Open();
    EXPECT_EQ(platform.sent,
              (std::vector<Sent>{{"open \"C:\\Music\\曲.mp3\" type MPEGVideo Alias MP3Play", 0},
                                 {"play MP3Play", 0}}));
}

TEST_F(MusicPlayerTest, Mp3PathGoesIntoTheCommandInTheFormItCanCarry) {
    record.BgmFile = "C:\\vel-한글\\a.mp3";
    platform.commandPaths[record.BgmFile] = "C:\\VEL-~1\\a.mp3";
    player.MP3_Open();
    platform.commandPaths[record.BgmFile] = std::nullopt;
    player.MP3_Open();
    EXPECT_EQ(platform.sent,
              (std::vector<Sent>{{"open \"C:\\VEL-~1\\a.mp3\" type MPEGVideo Alias MP3Play", 0},
                                 {"play MP3Play", 0}}));
}

TEST_F(MusicPlayerTest, Mp3ThatCannotBeOpenedIsNotPlayed) {
    platform.fail("open \"C:\\Music\\曲.mp3\" type MPEGVideo Alias MP3Play", 275);
    player.MP3_Open();
    EXPECT_EQ(platform.sent.size(), 1u);
}

TEST_F(MusicPlayerTest, Mp3IsPlayingReadsSevenCharactersOfTheModeBuffer) {
    const std::pair<const char*, bool> cases[] = {
        {"playing", true},  {"playing back", true}, {"paused", false},
        {"stopped", false}, {"play", false},        {"", false},
    };
    for (const auto& [mode, playing] : cases) {
        FakeMusicPlatform device;
        MusicPlayer fresh(device, record);
        device.succeed("status MP3Play mode", mode);
        EXPECT_EQ(fresh.MP3_IsPlaying(), playing) << mode;
        EXPECT_EQ(device.sent, (std::vector<Sent>{{"status MP3Play mode", 30}}));
    }
}

TEST_F(MusicPlayerTest, Mp3PollRestartsTheFileOnceItHasEnded) {
    platform.succeed("status MP3Play mode", "playing");
    platform.succeed("status MP3Play mode", "stopped");
    player.MP3_Poll();
    player.MP3_Poll();
    EXPECT_EQ(platform.commands(), (Commands{"status MP3Play mode", "status MP3Play mode",
                                             "stop MP3Play", "play MP3Play from 0"}));
}

TEST_F(MusicPlayerTest, Mp3PollKeepsTryingWhenTheDeviceIsMissing) {
    platform.script("status MP3Play mode", {263, std::nullopt});
    player.MP3_Poll();
    player.MP3_Poll();
    EXPECT_EQ(platform.commands(),
              (Commands{"status MP3Play mode", "stop MP3Play", "play MP3Play from 0",
                        "status MP3Play mode", "stop MP3Play", "play MP3Play from 0"}));
}

TEST_F(MusicPlayerTest, Mp3CloseStopsThenCloses) {
    player.MP3_Close();
    EXPECT_EQ(platform.sent, (std::vector<Sent>{{"stop MP3Play", 0}, {"close MP3Play", 0}}));
}

// SND_FILENAME | SND_NODEFAULT | SND_ASYNC | SND_LOOP: the named file or silence, never a
// system sound of that name nor the default sound.
constexpr uint32_t kWavLoopFlags = 0x20000 | 0x2 | 0x1 | 0x8;

TEST_F(MusicPlayerTest, WavLoopsOnlyWithAWaveDevice) {
    record.BgmFile = "C:\\vel-한글\\〜.wav";
    for (const int32_t devices : {0, -1}) {
        platform.waveDevices = devices;
        player.WAV_Play();
    }
    EXPECT_TRUE(platform.sounds.empty());

    platform.waveDevices = 2;
    player.WAV_Play();
    player.WAV_Stop();
    EXPECT_EQ(platform.sounds,
              (std::vector<Sound>{{"C:\\vel-한글\\〜.wav", kWavLoopFlags}, {std::nullopt, 0}}));
    EXPECT_TRUE(platform.sent.empty());
}

} // namespace

} // namespace velmora::music

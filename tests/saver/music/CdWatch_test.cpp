// The CD watch of the music player: opening, each tick's decisions and closing, as command
// sequences against a scripted drive.
#include "saver/music/core/MusicPlayer.h"

#include "tests/support/FakeMusicPlatform.h"

#include <gtest/gtest.h>

namespace velmora::music {

namespace {

using testing::FakeMusicPlatform;
using Sent = FakeMusicPlatform::Sent;
using Commands = std::vector<std::string>;

constexpr char kTrack[] = "status cdaudio current track";
constexpr char kCount[] = "status cdaudio number of tracks";
constexpr char kMode[] = "status cdaudio mode";

struct TickCase {
    const char* name;
    int16_t repeat;
    FakeMusicPlatform::Answer track;
    FakeMusicPlatform::Answer count;
    const char* mode;
    Commands expected; // everything sent by the tick
    bool active;
};

const FakeMusicPlatform::Answer kTracks{0, "12"};

TEST(CdWatchTest, EachTickFollowsTheDriveState) {
    const FakeMusicPlatform::Answer noDrive{275, std::nullopt};
    const TickCase cases[] = {
        {"no drive", 0, noDrive, kTracks, "", {kTrack}, false},
        {"no drive while repeating", 3, noDrive, kTracks, "", {kTrack}, false},
        {"reply with err", 0, {0, "Terr"}, kTracks, "", {kTrack}, false},
        {"count fails", 0, {0, "1"}, {262, std::nullopt}, "", {kTrack, kCount}, false},
        {"stopped disc plays on",
         0,
         {0, "1"},
         kTracks,
         "stopped",
         {kTrack, kCount, kMode, "play cdaudio"},
         true},
        {"paused disc left alone", 0, {0, "1"}, kTracks, "paused", {kTrack, kCount, kMode}, true},
        {"playing disc left alone", 0, {0, "1"}, kTracks, "playing", {kTrack, kCount, kMode}, true},
        {"odd track without repeat",
         0,
         {0, "abc"},
         kTracks,
         "playing",
         {kTrack, kCount, kMode},
         true},
        {"next track seeks back",
         3,
         {0, "4"},
         kTracks,
         "playing",
         {kTrack, kCount, kMode, "status cdaudio position track 3",
          "play cdaudio from 03:00:00:00"},
         true},
        {"repeated track playing", 3, {0, "3"}, kTracks, "playing", {kTrack, kCount, kMode}, true},
        {"repeated track stopped",
         3,
         {0, "3"},
         kTracks,
         "stopped",
         {kTrack, kCount, kMode, "status cdaudio position track 3",
          "play cdaudio from 03:00:00:00"},
         true},
        {"odd track ends the watch",
         3,
         {0, "abc"},
         kTracks,
         "playing",
         {kTrack, kCount, kMode},
         false},
        {"odd track ends it even when stopped",
         3,
         {0, ""},
         kTracks,
         "stopped",
         {kTrack, kCount, kMode},
         false},
        {"track the disc lacks",
         20,
         {0, "2"},
         kTracks,
         "playing",
         {kTrack, kCount, kMode, "status cdaudio position track 20", "play cdaudio from Error:263"},
         true},
    };
    for (const auto& c : cases) {
        FakeMusicPlatform drive;
        settings::SettingsRecord record{1, c.repeat, "", ""};
        MusicPlayer player(drive, record);
        drive.script(kTrack, c.track);
        drive.script(kCount, c.count);
        drive.succeed(kMode, c.mode);
        drive.succeed("status cdaudio position track 3", "03:00:00:00");
        drive.fail("status cdaudio position track 20", 263);
        drive.fail("play cdaudio from Error:263", 263);
        player.CD_Poll();
        EXPECT_EQ(drive.commands(), c.expected) << c.name;
        EXPECT_EQ(player.CdActive(), c.active) << c.name;
    }
}

TEST(CdWatchTest, ModeIsAskedWithTheShortenedBuffer) {
    FakeMusicPlatform drive;
    settings::SettingsRecord record{1, 0, "", ""};
    MusicPlayer player(drive, record);
    player.CD_Poll();
    EXPECT_EQ(drive.sent, (std::vector<Sent>{{kTrack, 512}, {kCount, 512}, {kMode, 255}}));
}

TEST(CdWatchTest, AFailedModeQueryKeepsTheLastModeSeen) {
    FakeMusicPlatform drive;
    settings::SettingsRecord record{1, 0, "", ""};
    MusicPlayer player(drive, record);
    drive.succeed(kMode, "stopped");
    drive.script(kMode, {263, std::nullopt});
    player.CD_Poll();
    player.CD_Poll();
    EXPECT_EQ(drive.commands(), (Commands{kTrack, kCount, kMode, "play cdaudio", kTrack, kCount,
                                          kMode, "play cdaudio"}));
}

TEST(CdWatchTest, RepeatedTrackLoopsAcrossTicks) {
    FakeMusicPlatform drive;
    settings::SettingsRecord record{1, 2, "", ""};
    MusicPlayer player(drive, record);
    drive.succeed(kMode, "playing");
    for (const char* track : {"1", "2", "3"}) {
        drive.succeed(kTrack, track);
    }
    drive.succeed("status cdaudio position track 2", "02:00:00:00");
    for (int tick = 0; tick < 3; ++tick) {
        player.CD_Poll();
    }
    EXPECT_EQ(drive.commands(), (Commands{kTrack, kCount, kMode, "status cdaudio position track 2",
                                          "play cdaudio from 02:00:00:00", kTrack, kCount, kMode,
                                          kTrack, kCount, kMode, "status cdaudio position track 2",
                                          "play cdaudio from 02:00:00:00"}));
    EXPECT_TRUE(player.CdActive());
}

TEST(CdWatchTest, OpenAndCloseSendWithoutReplyBuffers) {
    FakeMusicPlatform drive;
    settings::SettingsRecord record{1, 0, "", ""};
    MusicPlayer player(drive, record);
    EXPECT_FALSE(player.CdActive());
    player.CD_Open();
    player.CD_Close();
    EXPECT_EQ(drive.sent, (std::vector<Sent>{{"open cdaudio", 0},
                                             {"set cdaudio time format tmsf", 0},
                                             {"stop cdaudio", 0},
                                             {"close cdaudio", 0}}));
}

} // namespace

} // namespace velmora::music

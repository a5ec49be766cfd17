// The music player on the real multimedia functions: an MP3 and a WAV made at build time play
// on the session's sound device, and the CD watch ends on a machine without a CD drive.
#include "base/win32/PlatformText.h"
#include "saver/music/WinmmMusicPlatform.h"
#include "saver/music/core/MusicPlayer.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <mmsystem.h>

namespace velmora::music {

namespace {

std::wstring testFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    return folder.substr(0, folder.find_last_of(L'\\'));
}

// A copy of a sample under a Japanese name, so the path goes through the ANSI code page.
std::string japaneseCopyOf(const wchar_t* sample, const wchar_t* name) {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring copy = std::wstring(temp) + name;
    EXPECT_TRUE(CopyFileW((testFolder() + L"\\" + sample).c_str(), copy.c_str(), FALSE));
    return win32::fromWide(copy);
}

template <typename Done> bool waitFor(Done done, DWORD milliseconds) {
    for (DWORD waited = 0; waited < milliseconds; waited += 50) {
        if (done()) {
            return true;
        }
        Sleep(50);
    }
    return done();
}

class WinmmMusicTest : public ::testing::Test {
protected:
    WinmmMusicPlatform platform;
    settings::SettingsRecord record;
    MusicPlayer player{platform, record};
};

TEST_F(WinmmMusicTest, Mp3PlaysLoopsAndCloses) {
    record.BgmFile = japaneseCopyOf(L"velmora_music_sample.mp3", L"velmora 曲.mp3");
    const DWORD started = GetTickCount();
    player.MP3_Open();
    EXPECT_EQ(player.MCI_Query("status MP3Play mode"), "playing");
    EXPECT_TRUE(player.MP3_IsPlaying());

    // The sample lasts 0.8 s; an end much sooner means it was never decoded (under Wine that
    // takes GStreamer's base and good plugins).
    ASSERT_TRUE(waitFor([&] { return !player.MP3_IsPlaying(); }, 10000)) << "never ended";
    EXPECT_GE(GetTickCount() - started, 600u) << "ended at once";
    player.MP3_Poll();
    EXPECT_TRUE(player.MP3_IsPlaying()) << "not restarted";
    EXPECT_EQ(player.MCI_Query("status MP3Play position").rfind("Error:", 0), std::string::npos);

    player.MP3_Close();
    EXPECT_EQ(player.MCI_Query("status MP3Play mode").rfind("Error:", 0), 0u);
    EXPECT_FALSE(player.LastReply().empty());
    DeleteFileW(win32::toWide(record.BgmFile).c_str());
}

// 한 has no code page 932 form: the command names the file by its short form.
TEST_F(WinmmMusicTest, Mp3OutsideTheCodePagePlaysByItsShortName) {
    record.BgmFile = japaneseCopyOf(L"velmora_music_sample.mp3", L"velmora 한글.mp3");
    player.MP3_Open();
    EXPECT_TRUE(player.MP3_IsPlaying());
    player.MP3_Close();
    DeleteFileW(win32::toWide(record.BgmFile).c_str());
}

TEST_F(WinmmMusicTest, Mp3ThatIsMissingPlaysNothing) {
    record.BgmFile = "C:\\no such folder\\none.mp3";
    player.MP3_Open();
    EXPECT_FALSE(player.MP3_IsPlaying());
    player.MP3_Poll();
    EXPECT_FALSE(player.MP3_IsPlaying());
    player.MP3_Close();
}

TEST_F(WinmmMusicTest, WavLoopsUntilStopped) {
    ASSERT_GT(waveOutGetNumDevs(), 0u) << "the session has no sound device";
    record.BgmFile = japaneseCopyOf(L"velmora_music_sample.wav", L"velmora 曲.wav");
    const std::string ansiName = win32::toAnsi(record.BgmFile);
    player.WAV_Play();
    // A sound that is still playing refuses one asked not to stop it, well past the sample's
    // own length, since it loops.
    Sleep(1500);
    EXPECT_FALSE(PlaySoundA(ansiName.c_str(), nullptr, SND_ASYNC | SND_NOSTOP));
    player.WAV_Stop();
    EXPECT_TRUE(PlaySoundA(ansiName.c_str(), nullptr, SND_ASYNC | SND_NOSTOP));
    player.WAV_Stop();
    DeleteFileW(win32::toWide(record.BgmFile).c_str());
}

TEST_F(WinmmMusicTest, CdWatchEndsWithoutADrive) {
    record.BgmKind = settings::kAudioCd;
    record.BgmRepeat = 2;
    player.CD_Open();
    player.CD_Poll();
    EXPECT_FALSE(player.CdActive());
    EXPECT_EQ(player.MCI_Query("status cdaudio current track").rfind("Error:", 0), 0u);
}

} // namespace

} // namespace velmora::music

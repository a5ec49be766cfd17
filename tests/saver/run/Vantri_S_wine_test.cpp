// The saver form's run with a recording music platform: which music operations run at load,
// from the watches and at the end, how the renderer-window watch ends the run, and the texture
// bitmap it leaves.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "contract/SharedNames.h"
#include "saver/forms/Program.h"
#include "saver/run/RendererProcess.h"
#include "saver/run/Vantri_S.h"
#include "tests/support/FakeMusicPlatform.h"
#include "tests/support/MusicSettings.h"

namespace velmora::run {

namespace {

using SteadyClock = std::chrono::steady_clock;

using testing::FakeMusicPlatform;
using testing::musicSettings;

HWND rendererWindow = nullptr;

void CALLBACK closeRendererWindow(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    DestroyWindow(rendererWindow);
    rendererWindow = nullptr;
}

// What the test does 600 ms into a run, with the saver form's window.
std::function<void(HWND)> duringRun;
HWND saverWindow = nullptr;

void CALLBACK actDuringRun(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    if (duringRun) {
        duringRun(saverWindow);
    }
}

struct RunResult {
    int ends = 0;
    std::chrono::milliseconds length{};
};

// A stand-in renderer window "Vantri_VC" lives for rendererMs (none at all for 0); the run
// goes until the saver form has unloaded.
RunResult run(FakeMusicPlatform& platform, const settings::SettingsRecord& record,
              unsigned rendererMs, bool hideCursor = false,
              std::function<void(HWND)> during = nullptr) {
    duringRun = std::move(during);
    const UINT_PTR duringTimer = SetTimer(nullptr, 0, 600, actDuringRun);
    UINT_PTR rendererTimer = 0;
    if (rendererMs > 0) {
        rendererWindow =
            CreateWindowExA(0, "STATIC", velmora::contract::kRendererWindowTitle, WS_POPUP, 0, 0,
                            10, 10, nullptr, nullptr, nullptr, nullptr);
        rendererTimer = SetTimer(nullptr, 0, rendererMs, closeRendererWindow);
    }
    RunResult result;
    music::MusicPlayer music(platform, record);
    Vantri_S saver(music, record, hideCursor, [&] { ++result.ends; });
    const auto start = SteadyClock::now();
    saver.load();
    saverWindow = saver.form().hwnd();
    forms::runMessageLoop(saver.form());
    result.length =
        std::chrono::duration_cast<std::chrono::milliseconds>(SteadyClock::now() - start);
    EXPECT_FALSE(saver.loaded());
    // A run ended before them leaves neither timer to fire in the next one.
    KillTimer(nullptr, duringTimer);
    if (rendererWindow) {
        KillTimer(nullptr, rendererTimer);
        DestroyWindow(rendererWindow);
        rendererWindow = nullptr;
    }
    return result;
}

} // namespace

TEST(Vantri_S, WithoutARendererWindowTheRunEndsAtTheFirstWatchTick) {
    FakeMusicPlatform platform;
    const RunResult result = run(platform, musicSettings(settings::kNoMusic), 0);
    EXPECT_EQ(result.ends, 1);
    EXPECT_GE(result.length.count(), 450);
    EXPECT_LT(result.length.count(), 1400); // the first tick, not a later one
    EXPECT_TRUE(platform.silent());         // no music chosen: no music call at all
}

// The program folder of this test is where the run looks for Velmora.dll.
std::string besideThisProgram(const char* name) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.rfind('\\') + 1) + name;
}

// The stand-in renderer, which asks its question for 1.2 s before its window, as Velmora.dll.
class SlowRendererTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(CopyFileA(standIn.c_str(), renderer.c_str(), FALSE)); }
    void TearDown() override { DeleteFileA(renderer.c_str()); }

    const std::string standIn = besideThisProgram("saver_run_slow_renderer.exe");
    const std::string renderer = besideThisProgram(velmora::contract::kRendererFileName);
};

TEST_F(SlowRendererTest, ARendererSlowToOpenItsWindowIsWaitedFor) {
    FakeMusicPlatform platform;
    const RunResult result = run(platform, musicSettings(settings::kNoMusic), 0);
    EXPECT_EQ(result.ends, 1);
    EXPECT_GE(result.length.count(), 2000); // not the first tick: after the window has gone
    EXPECT_LE(result.length.count(), 4500); // its window gone, the next tick ends the run
}

TEST_F(SlowRendererTest, TheRenderersQuestionIsSeenWhileItIsOpen) {
    RendererProcess process;
    ASSERT_TRUE(process.start());
    const auto start = SteadyClock::now();
    bool asked = false;
    while (!asked && SteadyClock::now() - start < std::chrono::seconds(3)) {
        Sleep(50);
        asked = process.asking();
    }
    EXPECT_TRUE(asked);
    for (int wait = 0; wait < 120 && process.running(); ++wait) {
        Sleep(50); // the stand-in ends by itself; only then can it be deleted
    }
}

TEST(Vantri_S, RunLastsWhileTheRendererWindowExistsAndEndsWithinATick) {
    FakeMusicPlatform platform;
    const RunResult result = run(platform, musicSettings(settings::kNoMusic), 1200);
    EXPECT_EQ(result.ends, 1);
    EXPECT_GE(result.length.count(), 1200);
    EXPECT_LE(result.length.count(), 1200 + 500 + 400);
    EXPECT_TRUE(platform.silent());
}

// The cursor's display count, which ShowCursor moves and reports.
int cursorCount() {
    const int count = ShowCursor(TRUE) - 1;
    ShowCursor(FALSE);
    return count;
}

TEST(Vantri_S, TheCursorIsHiddenForTheRunOnlyWhenAsked) {
    FakeMusicPlatform platform;
    const int before = cursorCount();
    for (const bool hide : {false, true}) {
        int during = before;
        run(platform, musicSettings(settings::kNoMusic), 1200, hide,
            [&](HWND) { during = cursorCount(); });
        EXPECT_EQ(during, hide ? before - 1 : before) << hide;
        EXPECT_EQ(cursorCount(), before) << hide;
    }
}

// Ended from outside while the renderer runs (a log-off, or a close from another program): the
// music stops and the cursor comes back as at any end of the run.
TEST(Vantri_S, EndedFromOutsideItStopsTheMusicAndShowsTheCursor) {
    const struct {
        const char* name;
        std::function<void(HWND)> end;
    } ends[] = {
        {"log-off",
         [](HWND form) {
             EXPECT_TRUE(SendMessageW(form, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF));
             SendMessageW(form, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
         }},
        {"close", [](HWND form) { PostMessageW(form, WM_CLOSE, 0, 0); }},
    };
    const int before = cursorCount();
    for (const auto& end : ends) {
        FakeMusicPlatform platform;
        platform.succeed("status MP3Play mode", "playing");
        const RunResult result =
            run(platform, musicSettings(settings::kMusicFile, "C:\\a.mp3"), 20000, true, end.end);
        EXPECT_EQ(result.ends, 1) << end.name;
        EXPECT_LT(result.length.count(), 3000) << end.name;
        const std::vector<std::string> commands = platform.commands();
        ASSERT_GE(commands.size(), 2u) << end.name;
        EXPECT_EQ(commands[commands.size() - 2], "stop MP3Play") << end.name;
        EXPECT_EQ(commands.back(), "close MP3Play") << end.name;
        EXPECT_EQ(cursorCount(), before) << end.name;
    }
}

// The watches on the form's timers; the music of each source is the machine's native test.
TEST(Vantri_S, CdWithoutADriveStopsItsWatchAndIsNotClosed) {
    FakeMusicPlatform platform;
    platform.fail("status cdaudio current track", 275);
    run(platform, musicSettings(settings::kAudioCd), 900);
    EXPECT_EQ(platform.count("open cdaudio"), 1);
    EXPECT_EQ(platform.count("set cdaudio time format tmsf"), 1);
    EXPECT_EQ(platform.count("status cdaudio current track"), 1); // one tick, then no more
    EXPECT_EQ(platform.count("stop cdaudio"), 0);
    EXPECT_EQ(platform.count("close cdaudio"), 0);
}

TEST(Vantri_S, CdThatPlaysIsWatchedAndClosedAtTheEnd) {
    FakeMusicPlatform platform;
    platform.succeed("status cdaudio current track", "1");
    platform.succeed("status cdaudio number of tracks", "9");
    platform.succeed("status cdaudio mode", "playing");
    run(platform, musicSettings(settings::kAudioCd), 900);
    EXPECT_GE(platform.count("status cdaudio current track"), 3); // every 200 ms
    const std::vector<std::string> commands = platform.commands();
    ASSERT_GE(commands.size(), 2u);
    EXPECT_EQ(commands[commands.size() - 2], "stop cdaudio");
    EXPECT_EQ(commands.back(), "close cdaudio");
}

TEST(Vantri_S, Mp3FileIsWatchedEverySecondAndClosedAtTheEnd) {
    FakeMusicPlatform platform;
    platform.succeed("status MP3Play mode", "stopped");
    run(platform, musicSettings(settings::kMusicFile, "C:\\Music\\song.Mp3"), 2300);
    const std::vector<std::string> commands = platform.commands();
    EXPECT_EQ(commands.front(), "open \"C:\\Music\\song.Mp3\" type MPEGVideo Alias MP3Play");
    EXPECT_EQ(platform.count("play MP3Play"), 1);
    EXPECT_EQ(platform.count("play MP3Play from 0"), 2); // the file timer's two ticks
    ASSERT_GE(commands.size(), 2u);
    EXPECT_EQ(commands[commands.size() - 2], "stop MP3Play");
    EXPECT_EQ(commands.back(), "close MP3Play");
}

TEST(Vantri_S, LoadWritesTheStarPictureAsTheTextureBitmap) {
    DeleteFileA(velmora::contract::kTexturePath);
    FakeMusicPlatform platform;
    run(platform, musicSettings(settings::kNoMusic), 0);
    std::ifstream file(velmora::contract::kTexturePath, std::ios::binary);
    const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(file), {}};
    ASSERT_EQ(bytes.size(), 54u + 32 * 32 * 3); // 32 x 32 at 96 dots per inch
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[28], 24);
    // The core of the star, column 16 and row 16 from the top: row 15 from the bottom.
    const size_t core = 54 + (31 - 16) * 96 + 16 * 3;
    EXPECT_GE(bytes[core], 200);
    EXPECT_LE(bytes[54], 10); // a corner
}

} // namespace velmora::run

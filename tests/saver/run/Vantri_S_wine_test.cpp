// The saver form's run with a recording music platform: which music operations run at load,
// from the watches and at the end, how the renderer-window watch ends the run, and the texture
// bitmap it leaves.
#include <gtest/gtest.h>
#include <windows.h>

#include <mmsystem.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "contract/SharedNames.h"
#include "saver/forms/Program.h"
#include "saver/run/Vantri_S.h"

namespace {

using Clock = std::chrono::steady_clock;

// Records every platform call; replies come from a table of command -> (code, reply).
class RecordingPlatform : public MusicPlatform {
public:
    struct Answer {
        std::string command;
        int32_t code;
        std::string reply;
    };
    std::vector<Answer> answers;
    std::vector<std::string> calls;

    int32_t sendString(const std::string& command, char* reply, uint32_t capacity) override {
        calls.push_back(command);
        for (const Answer& answer : answers) {
            if (answer.command != command)
                continue;
            if (reply && capacity > answer.reply.size())
                std::strcpy(reply, answer.reply.c_str());
            return answer.code;
        }
        if (reply && capacity > 0)
            reply[0] = 0;
        return 0;
    }
    bool errorString(int32_t, char* buffer, uint32_t capacity) override {
        std::strncpy(buffer, "failed", capacity);
        return true;
    }
    void playSound(const std::string* name, uint32_t flags) override {
        calls.push_back("PlaySound " + (name ? *name : std::string("(none)")) + " " +
                        std::to_string(flags));
    }
    int32_t waveOutDeviceCount() override { return 1; }
    std::optional<std::string> commandPath(const std::string& path) override { return path; }

    int count(const std::string& call) const {
        return static_cast<int>(std::count(calls.begin(), calls.end(), call));
    }
};

HWND rendererWindow = nullptr;

void CALLBACK closeRendererWindow(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    DestroyWindow(rendererWindow);
    rendererWindow = nullptr;
}

struct RunResult {
    int ends = 0;
    std::chrono::milliseconds length{};
};

// A stand-in renderer window "Vantri_VC" lives for rendererMs (none at all for 0); the run
// goes until the saver form has unloaded.
RunResult run(RecordingPlatform& platform, const SettingsRecord& record, unsigned rendererMs,
              bool cursorHidden = false) {
    if (rendererMs > 0) {
        rendererWindow =
            CreateWindowExA(0, "STATIC", velmora::contract::kRendererWindowTitle, WS_POPUP, 0, 0,
                            10, 10, nullptr, nullptr, nullptr, nullptr);
        SetTimer(nullptr, 0, rendererMs, closeRendererWindow);
    }
    RunResult result;
    MusicPlayer music(platform, record);
    Vantri_S saver(music, record, cursorHidden, [&] { ++result.ends; });
    const auto start = Clock::now();
    saver.load();
    runMessageLoop();
    result.length = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
    EXPECT_FALSE(saver.loaded());
    return result;
}

SettingsRecord music(int16_t kind, const std::string& file = {}) {
    SettingsRecord record;
    record.BgmKind = kind;
    record.BgmFile = file;
    return record;
}

} // namespace

TEST(Vantri_S, WithoutARendererWindowTheRunEndsAtTheFirstWatchTick) {
    RecordingPlatform platform;
    const RunResult result = run(platform, music(0), 0);
    EXPECT_EQ(result.ends, 1);
    EXPECT_GE(result.length.count(), 450);
    EXPECT_LT(result.length.count(), 1400); // the first tick, not a later one
    EXPECT_TRUE(platform.calls.empty());    // no music chosen: no music call at all
}

// The program folder of this test is where the run looks for Velmora.dll.
std::string besideThisProgram(const char* name) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.rfind('\\') + 1) + name;
}

TEST(Vantri_S, ARendererSlowToOpenItsWindowIsWaitedFor) {
    const std::string renderer = besideThisProgram(velmora::contract::kRendererFileName);
    ASSERT_TRUE(CopyFileA(besideThisProgram("saver_run_slow_renderer.exe").c_str(),
                          renderer.c_str(), FALSE));
    RecordingPlatform platform;
    const RunResult result = run(platform, music(0), 0);
    DeleteFileA(renderer.c_str());
    EXPECT_EQ(result.ends, 1);
    EXPECT_GE(result.length.count(), 2000); // not the first tick: after the window has gone
    EXPECT_LE(result.length.count(), 4500); // its window gone, the next tick ends the run
}

TEST(Vantri_S, RunLastsWhileTheRendererWindowExistsAndEndsWithinATick) {
    RecordingPlatform platform;
    const RunResult result = run(platform, music(0), 1200);
    EXPECT_EQ(result.ends, 1);
    EXPECT_GE(result.length.count(), 1200);
    EXPECT_LE(result.length.count(), 1200 + 500 + 400);
    EXPECT_TRUE(platform.calls.empty());
}

// The cursor's display count, which ShowCursor moves and reports.
int cursorCount() {
    const int count = ShowCursor(TRUE) - 1;
    ShowCursor(FALSE);
    return count;
}

TEST(Vantri_S, TheCursorComesBackOnlyWhenTheStartUpHidIt) {
    RecordingPlatform platform;
    const int before = cursorCount();
    run(platform, music(0), 0, false);
    EXPECT_EQ(cursorCount(), before);
    run(platform, music(0), 0, true);
    EXPECT_EQ(cursorCount(), before + 1);
    ShowCursor(FALSE);
}

TEST(Vantri_S, CdWithoutADriveStopsItsWatchAndIsNotClosed) {
    RecordingPlatform platform;
    platform.answers = {{"status cdaudio current track", 275, ""}};
    run(platform, music(1), 900);
    EXPECT_EQ(platform.count("open cdaudio"), 1);
    EXPECT_EQ(platform.count("set cdaudio time format tmsf"), 1);
    EXPECT_EQ(platform.count("status cdaudio current track"), 1); // one tick, then no more
    EXPECT_EQ(platform.count("stop cdaudio"), 0);
    EXPECT_EQ(platform.count("close cdaudio"), 0);
}

TEST(Vantri_S, CdThatPlaysIsWatchedAndClosedAtTheEnd) {
    RecordingPlatform platform;
    platform.answers = {{"status cdaudio current track", 0, "1"},
                        {"status cdaudio number of tracks", 0, "9"},
                        {"status cdaudio mode", 0, "playing"}};
    run(platform, music(1), 900);
    EXPECT_GE(platform.count("status cdaudio current track"), 3); // every 200 ms
    ASSERT_GE(platform.calls.size(), 2u);
    EXPECT_EQ(platform.calls[platform.calls.size() - 2], "stop cdaudio");
    EXPECT_EQ(platform.calls.back(), "close cdaudio");
}

TEST(Vantri_S, Mp3FileIsWatchedEverySecondAndClosedAtTheEnd) {
    RecordingPlatform platform;
    platform.answers = {{"status MP3Play mode", 0, "stopped"}};
    run(platform, music(2, "C:\\Music\\song.Mp3"), 2300);
    EXPECT_EQ(platform.calls.front(), "open \"C:\\Music\\song.Mp3\" type MPEGVideo Alias MP3Play");
    EXPECT_EQ(platform.count("play MP3Play"), 1);
    EXPECT_EQ(platform.count("play MP3Play from 0"), 2); // the file timer's two ticks
    ASSERT_GE(platform.calls.size(), 2u);
    EXPECT_EQ(platform.calls[platform.calls.size() - 2], "stop MP3Play");
    EXPECT_EQ(platform.calls.back(), "close MP3Play");
}

TEST(Vantri_S, WavFileLoopsOnItsOwnAndStopsAtTheEnd) {
    RecordingPlatform platform;
    run(platform, music(2, "C:\\Music\\loop.wav"), 1200);
    EXPECT_EQ(platform.calls,
              (std::vector<std::string>{
                  "PlaySound C:\\Music\\loop.wav " +
                      std::to_string(SND_FILENAME | SND_NODEFAULT | SND_ASYNC | SND_LOOP),
                  "PlaySound (none) 0"}));
}

TEST(Vantri_S, OtherFileEndingsPlayNothing) {
    RecordingPlatform platform;
    run(platform, music(2, "C:\\Music\\tune.mid"), 600);
    EXPECT_TRUE(platform.calls.empty());
}

TEST(Vantri_S, LoadWritesTheStarPictureAsTheTextureBitmap) {
    DeleteFileA(velmora::contract::kTexturePath);
    RecordingPlatform platform;
    run(platform, music(0), 0);
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

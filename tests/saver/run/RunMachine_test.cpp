// The run's start, renderer watch and end with a fake clock, renderer and form: when the watch
// keeps waiting, when it ends the run, and what each end stops.
#include "saver/run/core/RunMachine.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/support/FakeClock.h"
#include "tests/support/FakeMusicPlatform.h"
#include "tests/support/MusicSettings.h"

namespace velmora::run {
namespace {

using testing::FakeClock;
using testing::musicSettings;

class FakeRenderer : public Renderer {
public:
    bool start() override { return startable; }
    bool running() override { return processRunning; }
    bool asking() override { return questionShown; }
    bool windowOpen() override { return windowShown; }
    void release() override { ++releases; }

    bool startable = true;
    bool processRunning = true;
    bool questionShown = false;
    bool windowShown = false;
    int releases = 0;
};

// Every request of the machine, in order, as a word.
class RecordingForm : public RunForm {
public:
    void saveTexture() override { calls.push_back("texture"); }
    void setTimerEnabled(RunTimer timer, bool on) override {
        static constexpr const char* kWatches[] = {"file", "cd", "renderer"};
        calls.push_back(std::string(kWatches[static_cast<int>(timer)]) + (on ? " on" : " off"));
    }
    void unload() override { calls.push_back("unload"); }
    void hideCursor() override { calls.push_back("hide cursor"); }
    void showCursor() override { calls.push_back("show cursor"); }
    void endRun() override { calls.push_back("end"); }

    std::vector<std::string> calls;
};

using Calls = std::vector<std::string>;

struct RunRig {
    explicit RunRig(settings::SettingsRecord settings, bool hideCursor = false)
        : record(std::move(settings)), machine(form, renderer, music, clock, record, hideCursor) {}

    // The form's calls since the last look.
    Calls takeCalls() { return std::exchange(form.calls, {}); }

    FakeClock clock{5000.0};
    FakeRenderer renderer;
    RecordingForm form;
    testing::FakeMusicPlatform platform;
    settings::SettingsRecord record;
    music::MusicPlayer music{platform, record};
    RunMachine machine;
};

const Calls kEnds{"renderer off", "unload"};

// The watch's tick at some time after the start: the renderer's process, its question whether to
// run in a window (asked before its window, where the display mode is refused), and its window.
TEST(RunMachine, RendererWatchWaitsForTheWindowWithinTheGraceOrWhileTheRendererAsks) {
    constexpr double kGrace = kRendererStartUpGraceMs;
    const struct {
        const char* name;
        bool startable;
        bool processRunning;
        bool asking;
        double elapsed; // since the start
        Calls expected;
    } cases[] = {
        {"starting, just started", true, true, false, 0, {}},
        {"starting, last moment of the grace", true, true, false, kGrace - 1, {}},
        {"starting, grace over", true, true, false, kGrace, kEnds},
        {"asking, within the grace", true, true, true, 500, {}},
        {"asking, long after the grace", true, true, true, 30 * kGrace, {}},
        {"process ended before its window", true, false, false, 500, kEnds},
        {"answered no: the process ended", true, false, true, 30 * kGrace, kEnds},
        {"never started", false, false, false, 500, kEnds},
        {"never started, a running process reported", false, true, false, 500, kEnds},
        {"never started, a question reported", false, true, true, 500, kEnds},
    };
    for (const auto& c : cases) {
        RunRig run(musicSettings(settings::kNoMusic));
        run.renderer.startable = c.startable;
        run.renderer.processRunning = c.processRunning;
        run.renderer.questionShown = c.asking;
        run.machine.Form_Load();
        run.takeCalls();
        run.clock.ms += c.elapsed;
        run.machine.Timer3_Timer();
        EXPECT_EQ(run.takeCalls(), c.expected) << c.name;
    }
}

// However long the question stays, its answer is followed by a window within the grace: the
// run, its music and its cursor stay with the renderer.
TEST(RunMachine, AnAnswerLongAfterTheStartIsFollowedByItsWindow) {
    RunRig run(musicSettings(settings::kAudioCd), true);
    run.machine.Form_Load();
    EXPECT_EQ(run.takeCalls(), (Calls{"hide cursor", "texture", "cd on"}));
    run.renderer.questionShown = true;
    for (int tick = 0; tick < 200; ++tick) {
        run.clock.ms += 500;
        run.machine.Timer3_Timer();
    }
    run.renderer.questionShown = false; // answered: the renderer goes on to its window
    run.clock.ms += kRendererStartUpGraceMs - 500;
    run.machine.Timer3_Timer();
    run.renderer.windowShown = true;
    run.clock.ms += 500;
    run.machine.Timer3_Timer();
    EXPECT_TRUE(run.takeCalls().empty()); // no unload: nothing stopped, the cursor kept hidden
}

TEST(RunMachine, AWindowSeenThenGoneEndsTheRunEvenWithinTheGrace) {
    RunRig run(musicSettings(settings::kNoMusic));
    run.machine.Form_Load();
    EXPECT_EQ(run.takeCalls(), Calls{"texture"});
    run.renderer.windowShown = true;
    run.machine.Timer3_Timer();
    run.machine.Timer3_Timer();
    EXPECT_TRUE(run.takeCalls().empty());
    EXPECT_GE(run.renderer.releases, 1);
    run.renderer.windowShown = false;
    run.clock.ms += 500;
    run.machine.Timer3_Timer();
    EXPECT_EQ(run.takeCalls(), kEnds);
}

TEST(RunMachine, EachMusicSourceStartsItsWatchAndIsStoppedAtTheEnd) {
    const struct {
        const char* name;
        settings::SettingsRecord record;
        Calls loadCalls;
        std::vector<std::string> loadCommands;
        Calls endCalls;
        std::vector<std::string> endCommands;
    } cases[] = {
        {"none", musicSettings(settings::kNoMusic), {"texture"}, {}, {"end"}, {}},
        {"unknown kind", musicSettings(7, "a.wav"), {"texture"}, {}, {"end"}, {}},
        {"cd",
         musicSettings(settings::kAudioCd),
         {"texture", "cd on"},
         {"open cdaudio", "set cdaudio time format tmsf"},
         {"cd off", "end"},
         {"stop cdaudio", "close cdaudio"}},
        {"mp3",
         musicSettings(settings::kMusicFile, "C:\\a.mp3"),
         {"texture", "file on"},
         {"open \"C:\\a.mp3\" type MPEGVideo Alias MP3Play", "play MP3Play"},
         {"file off", "end"},
         {"stop MP3Play", "close MP3Play"}},
        {"wav", musicSettings(settings::kMusicFile, "C:\\a.wav"), {"texture"}, {}, {"end"}, {}},
        {"other file",
         musicSettings(settings::kMusicFile, "C:\\a.mid"),
         {"texture"},
         {},
         {"end"},
         {}},
    };
    for (const auto& c : cases) {
        RunRig run(c.record);
        run.machine.Form_Load();
        EXPECT_EQ(run.takeCalls(), c.loadCalls) << c.name;
        EXPECT_EQ(run.platform.commands(), c.loadCommands) << c.name;
        run.platform.sent.clear();
        run.machine.Form_QueryUnload();
        EXPECT_EQ(run.takeCalls(), c.endCalls) << c.name;
        EXPECT_EQ(run.platform.commands(), c.endCommands) << c.name;
    }
}

TEST(RunMachine, WavLoopsFromTheLoadAndIsSilencedAtTheEnd) {
    RunRig run(musicSettings(settings::kMusicFile, "C:\\a.WAV"));
    run.machine.Form_Load();
    ASSERT_EQ(run.platform.sounds.size(), 1u);
    EXPECT_EQ(run.platform.sounds[0].name, "C:\\a.WAV");
    run.machine.Form_QueryUnload();
    ASSERT_EQ(run.platform.sounds.size(), 2u);
    EXPECT_EQ(run.platform.sounds[1], (testing::FakeMusicPlatform::Sound{std::nullopt, 0}));
}

TEST(RunMachine, ACdWatchThatStoppedItselfLeavesTheDriveAloneAtTheEnd) {
    RunRig run(musicSettings(settings::kAudioCd));
    run.platform.fail("status cdaudio current track", 275);
    run.machine.Form_Load();
    run.machine.Timer2_Timer();
    EXPECT_EQ(run.takeCalls(), (Calls{"texture", "cd on", "cd off"}));
    run.platform.sent.clear();
    run.machine.Form_QueryUnload();
    EXPECT_EQ(run.takeCalls(), Calls{"end"});
    EXPECT_TRUE(run.platform.silent());
}

TEST(RunMachine, TheCursorIsHiddenForTheRunOnlyWhenTheStartUpAsks) {
    for (const bool hidden : {false, true}) {
        RunRig run(musicSettings(settings::kNoMusic), hidden);
        run.machine.Form_Load();
        EXPECT_EQ(run.takeCalls(), hidden ? (Calls{"hide cursor", "texture"}) : Calls{"texture"});
        run.machine.Form_QueryUnload();
        EXPECT_EQ(run.takeCalls(), hidden ? (Calls{"show cursor", "end"}) : Calls{"end"});
    }
}

} // namespace
} // namespace velmora::run

// The full-screen run without a window: its load hides the cursor when the start-up asks,
// writes the texture, starts the renderer and the music; the renderer watch ends the run once
// the renderer's window is gone, waiting for a renderer still on its way to its window; the
// unload stops what the load started. What it asks of the world besides the clock
// (base/Clock.h), the renderer program and the hidden form that carries the run, each has a
// Win32 implementation beside and a fake in the tests.
#pragma once

#include <cstdint>
#include <string_view>

#include "base/Clock.h"
#include "saver/music/core/MusicPlayer.h"
#include "saver/settings/core/SettingsRecord.h"

namespace velmora::run {

// Starting the renderer program, whether its process still runs, whether it asks the user
// something before its window, and whether its window is open.
class Renderer {
public:
    virtual ~Renderer() = default;

    // Starts the renderer without waiting for it; false when it could not be started.
    virtual bool start() = 0;
    // The started process has not ended.
    virtual bool running() = 0;
    // The started process shows its question whether to run in a window (captioned
    // contract::kRefusedModeCaption), which comes before its window where the display mode is
    // refused.
    virtual bool asking() = 0;
    virtual bool windowOpen() = 0;
    // From now on only the window counts: the process is let go.
    virtual void release() = 0;
};

// The form's three timers, each a watch of the run.
enum class RunTimer {
    Timer1, // the music file: restarts it when it has ended
    Timer2, // the audio CD: keeps its track playing, stops itself when the disc fails
    Timer3, // the renderer's window: ends the run once it has gone
};

// How the form makes a timer: its interval and whether it runs from the load.
struct RunTimerDesign {
    unsigned intervalMs;
    bool enabled;
};

constexpr RunTimerDesign runTimerDesign(RunTimer timer) {
    switch (timer) {
    case RunTimer::Timer1:
        return {1000, false};
    case RunTimer::Timer2:
        return {200, false};
    case RunTimer::Timer3:
        return {500, true};
    }
    return {0, false};
}

// The form's texture, its timers, its unload and the cursor.
class RunForm {
public:
    virtual ~RunForm() = default;

    virtual void saveTexture() = 0;
    virtual void setTimerEnabled(RunTimer timer, bool on) = 0;
    virtual void unload() = 0;
    virtual void hideCursor() = 0;
    virtual void showCursor() = 0;
    // Ends the program once the form has unloaded.
    virtual void endRun() = 0;
};

enum class MusicSource { None, Cd, Wav, Mp3 };

// Which music a run plays: the audio CD, or a music file whose last three characters are WAV
// or MP3 in any letter case; anything else plays nothing. The kind is the stored number, which
// a settings file may set to anything.
MusicSource musicSourceOf(int16_t bgmKind, std::string_view bgmFile);

// A busy machine may take longer than one watch tick to open the renderer's window; ten seconds
// after the start, or after the renderer's question was last seen, the wait is over, so a
// renderer stuck before its window cannot hold the run. The question itself is waited for
// however long the user takes to answer it.
constexpr double kRendererStartUpGraceMs = 10000.0;

class RunMachine {
public:
    // hideCursor: the start-up asked for the cursor to be hidden during the run, and so shown
    // again at its end.
    RunMachine(RunForm& form, Renderer& renderer, music::MusicPlayer& music, base::Clock& clock,
               const settings::SettingsRecord& record, bool hideCursor);

    // The form's event handlers; the timers' watches are told at RunTimer.
    void Form_Load();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Form_QueryUnload();

private:
    bool rendererStarting();

    RunForm& form_;
    Renderer& renderer_;
    music::MusicPlayer& music_;
    base::Clock& clock_;
    const MusicSource source_;
    const bool hideCursor_;
    bool waitingForWindow_ = false;
    double waitingSince_ = 0.0;
    bool cdWatching_ = false;
};

} // namespace velmora::run

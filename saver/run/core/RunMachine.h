// The full-screen run without a window: its load writes the texture, starts the renderer and
// the music; the renderer watch ends the run once the renderer's window is gone, waiting for a
// renderer still on its way to its window; the unload stops what the load started.
#pragma once

#include "base/Clock.h"
#include "saver/music/core/MusicPlayer.h"
#include "saver/run/core/MusicSource.h"
#include "saver/run/core/RunSeams.h"
#include "saver/settings/core/SettingsRecord.h"

namespace velmora::run {

// A busy machine may take longer than one watch tick to open the renderer's window; ten seconds
// after the start the wait is over, so a renderer stuck before its window cannot hold the run.
constexpr double kRendererStartUpGraceMs = 10000.0;

class RunMachine {
public:
    // cursorHidden: the start-up hid the mouse cursor, so the end of the run shows it again.
    RunMachine(RunForm& form, Renderer& renderer, music::MusicPlayer& music, base::Clock& clock,
               const settings::SettingsRecord& record, bool cursorHidden);

    // The form's event handlers; the timers' watches are told in RunSeams.h.
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
    const bool cursorHidden_;
    bool waitingForWindow_ = false;
    double startedAt_ = 0.0;
    bool cdWatching_ = false;
};

} // namespace velmora::run

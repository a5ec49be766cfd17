// The run's start, watches and end (see RunMachine.h).
#include "saver/run/core/RunMachine.h"

namespace velmora::run {

RunMachine::RunMachine(RunForm& form, Renderer& renderer, music::MusicPlayer& music,
                       base::Clock& clock, const settings::SettingsRecord& record,
                       bool cursorHidden)
    : form_(form), renderer_(renderer), music_(music), clock_(clock),
      source_(musicSourceOf(record.BgmKind, record.BgmFile)), cursorHidden_(cursorHidden) {}

void RunMachine::Form_Load() {
    form_.saveTexture();
    waitingForWindow_ = renderer_.start();
    startedAt_ = clock_.nowMs();
    if (source_ == MusicSource::Cd) {
        music_.CD_Open();
        cdWatching_ = true;
        form_.setTimerEnabled(RunTimer::Timer2, true);
    }
    if (source_ == MusicSource::Wav) {
        music_.WAV_Play();
    }
    if (source_ == MusicSource::Mp3) {
        music_.MP3_Open();
        form_.setTimerEnabled(RunTimer::Timer1, true);
    }
}

void RunMachine::Timer1_Timer() {
    music_.MP3_Poll();
}

// The CD watch stops itself once the player reports the disc unusable.
void RunMachine::Timer2_Timer() {
    music_.CD_Poll();
    cdWatching_ = music_.CdActive();
    form_.setTimerEnabled(RunTimer::Timer2, cdWatching_);
}

void RunMachine::Timer3_Timer() {
    if (renderer_.windowOpen()) {
        waitingForWindow_ = false;
        renderer_.release();
        return;
    }
    if (rendererStarting()) {
        return;
    }
    form_.setTimerEnabled(RunTimer::Timer3, false);
    form_.unload();
}

bool RunMachine::rendererStarting() {
    return waitingForWindow_ && renderer_.running() &&
           clock_.nowMs() - startedAt_ < kRendererStartUpGraceMs;
}

// A CD watch that has stopped itself left its device alone, so it is not closed either.
void RunMachine::Form_QueryUnload() {
    if (cdWatching_) {
        cdWatching_ = false;
        form_.setTimerEnabled(RunTimer::Timer2, false);
        music_.CD_Close();
    }
    if (source_ == MusicSource::Wav) {
        music_.WAV_Stop();
    }
    if (source_ == MusicSource::Mp3) {
        form_.setTimerEnabled(RunTimer::Timer1, false);
        music_.MP3_Close();
    }
    if (cursorHidden_) {
        form_.showCursor();
    }
    form_.endRun();
}

} // namespace velmora::run

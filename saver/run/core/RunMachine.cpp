// The run's music choice, start, watches and end (see RunMachine.h).
#include "saver/run/core/RunMachine.h"

#include <cctype>
#include <string>

namespace velmora::run {

namespace {

// Non-ASCII characters are bytes of 0x80 and above in UTF-8, so the last three bytes spell
// WAV or MP3 exactly when the last three characters do.
std::string lastThreeUpper(std::string_view path) {
    std::string tail(path.substr(path.size() < 3 ? 0 : path.size() - 3));
    for (char& c : tail) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return tail;
}

} // namespace

MusicSource musicSourceOf(int16_t bgmKind, std::string_view bgmFile) {
    if (bgmKind == settings::kAudioCd) {
        return MusicSource::Cd;
    }
    if (bgmKind != settings::kMusicFile) {
        return MusicSource::None;
    }
    const std::string ending = lastThreeUpper(bgmFile);
    if (ending == "WAV") {
        return MusicSource::Wav;
    }
    if (ending == "MP3") {
        return MusicSource::Mp3;
    }
    return MusicSource::None;
}

RunMachine::RunMachine(RunForm& form, Renderer& renderer, music::MusicPlayer& music,
                       base::Clock& clock, const settings::SettingsRecord& record, bool hideCursor)
    : form_(form), renderer_(renderer), music_(music), clock_(clock),
      source_(musicSourceOf(record.BgmKind, record.BgmFile)), hideCursor_(hideCursor) {}

void RunMachine::Form_Load() {
    if (hideCursor_) {
        form_.hideCursor();
    }
    form_.saveTexture();
    waitingForWindow_ = renderer_.start();
    waitingSince_ = clock_.nowMs();
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

// The renderer's question has no time limit: the user answers it when they come back. Once it
// is answered the window follows within the grace; a "no" ends the process, and the run.
bool RunMachine::rendererStarting() {
    if (!waitingForWindow_ || !renderer_.running()) {
        return false;
    }
    if (renderer_.asking()) {
        waitingSince_ = clock_.nowMs();
        return true;
    }
    return clock_.nowMs() - waitingSince_ < kRendererStartUpGraceMs;
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
    if (hideCursor_) {
        form_.showCursor();
    }
    form_.endRun();
}

} // namespace velmora::run

// Vantri_S: the hidden form that carries a full-screen run. It holds the picture of the texture
// and the three watch timers, and hands every event to the run's machine.
#pragma once

#include <functional>

#include "base/Clock.h"

#include "saver/forms/Form.h"
#include "saver/forms/PictureBox.h"
#include "saver/forms/Timer.h"
#include "saver/music/core/MusicPlayer.h"
#include "saver/run/RendererProcess.h"
#include "saver/run/core/RunMachine.h"
#include "saver/settings/core/SettingsRecord.h"

namespace velmora::run {

class Vantri_S : private RunForm {
public:
    // hideCursor: the cursor is hidden from the load to the end of the run. endRun ends the
    // program (the program's own end; tests pass something gentler).
    Vantri_S(music::MusicPlayer& music, const settings::SettingsRecord& record, bool hideCursor,
             std::function<void()> endRun);

    void load() { form_.load(); }
    bool loaded() const { return form_.loaded(); }
    const forms::Form& form() const { return form_; }

private:
    void saveTexture() override;
    void setTimerEnabled(RunTimer timer, bool on) override;
    void unload() override { form_.unload(); }
    void hideCursor() override;
    void showCursor() override;
    void endRun() override { endRun_(); }

    const std::function<void()> endRun_;
    RendererProcess renderer_;
    base::SteadyClock clock_;
    RunMachine machine_;

    forms::Form form_;
    forms::PictureBox Display;
    // The watches of RunTimer, by the same names.
    forms::Timer Timer1;
    forms::Timer Timer2;
    forms::Timer Timer3;
};

} // namespace velmora::run

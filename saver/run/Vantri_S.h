// Vantri_S: the hidden form that carries a full-screen run. Its load writes the texture bitmap,
// starts the renderer and the music; every 500 ms it looks for the renderer's window
// "Vantri_VC", and once that is gone it stops the music, gives the cursor back and ends.
// A renderer still starting up (running, its window not yet seen) is waited for.
#pragma once

#include <functional>

#include "saver/forms/Form.h"
#include "saver/forms/PictureBox.h"
#include "saver/forms/Timer.h"
#include "saver/music/MusicPlayer.h"
#include "saver/run/RendererProcess.h"
#include "saver/settings/Settings.h"

class Vantri_S {
public:
    // cursorHidden: the start-up hid the mouse cursor, so the end of the run shows it again.
    // endRun ends the program (the program's own end; tests pass something gentler).
    Vantri_S(MusicPlayer& music, const SettingsRecord& record, bool cursorHidden,
             std::function<void()> endRun);

    void load() { form_.load(); }
    bool loaded() const { return form_.loaded(); }

private:
    void Form_Load();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Form_QueryUnload();

    MusicPlayer& music_;
    const SettingsRecord& settings_;
    const bool cursorHidden_;
    const std::function<void()> endRun_;
    RendererProcess renderer_;

    Form form_;
    PictureBox Display;
    Timer Timer1; // music-file watch
    Timer Timer2; // audio-CD watch
    Timer Timer3; // renderer-window watch
};

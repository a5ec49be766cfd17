// What a full-screen run asks of the world besides the clock (base/Clock.h): the renderer program
// and the hidden form that carries the run. Each has a Win32 implementation beside and a fake in
// the tests.
#pragma once

namespace velmora::run {

// Starting the renderer program, whether its process still runs and whether its window is open.
class Renderer {
public:
    virtual ~Renderer() = default;

    // Starts the renderer without waiting for it; false when it could not be started.
    virtual bool start() = 0;
    // The started process has not ended.
    virtual bool running() = 0;
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
    virtual void showCursor() = 0;
    // Ends the program once the form has unloaded.
    virtual void endRun() = 0;
};

} // namespace velmora::run

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

// The form's texture, its three watches, its unload and the cursor.
class RunForm {
public:
    virtual ~RunForm() = default;

    virtual void saveTexture() = 0;
    virtual void setFileWatch(bool on) = 0;     // every second
    virtual void setCdWatch(bool on) = 0;       // every 200 ms
    virtual void setRendererWatch(bool on) = 0; // every 500 ms
    virtual void unload() = 0;
    virtual void showCursor() = 0;
    // Ends the program once the form has unloaded.
    virtual void endRun() = 0;
};

} // namespace velmora::run

// Starting the renderer program of a full-screen run, and knowing whether it is still on its
// way to its window.
#pragma once

#include <windows.h>

class RendererProcess {
public:
    RendererProcess() = default;
    ~RendererProcess();
    RendererProcess(const RendererProcess&) = delete;
    RendererProcess& operator=(const RendererProcess&) = delete;

    // Starts programFolder() + "\Velmora.dll" as a new process, its window shown normally,
    // without waiting for it. A renderer that cannot be started is not reported.
    void start();

    // True while the started renderer runs but has not yet been seen with its window: a busy
    // machine may take longer than one watch tick to open it. Ten seconds after the start the
    // wait is over, so a renderer stuck before its window does not hold the run for ever.
    bool starting() const;
    // The renderer's window has been seen; from now on only the window counts.
    void windowSeen();

private:
    HANDLE process_ = nullptr;
    ULONGLONG startedAt_ = 0;
};

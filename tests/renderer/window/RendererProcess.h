// Test support: runs Velmora.dll as the saver does and watches its windows from outside.
#pragma once

#include <windows.h>

#include <string>

#include "tests/support/BuiltFile.h"
#include "tools/bench/Stopwatch.h"

namespace velmora::window {

// Puts the star glow bitmap where the renderer looks for it; false when it cannot be written.
bool writeTextureBitmap();

// Removes the texture bitmap from both places the loader may read it from.
void removeTextureBitmaps();

// A top-level window of the process with the class and title given (null matches any).
HWND findProcessWindow(DWORD processId, const char* className, const char* title);

// Velmora.dll started as a new process, shown normally. Ended by force if still running when
// it goes out of scope, so a failed test does not leave it behind for the next one.
class RendererProcess {
public:
    RendererProcess();
    ~RendererProcess();
    RendererProcess(const RendererProcess&) = delete;
    RendererProcess& operator=(const RendererProcess&) = delete;

    bool started() const { return info_.hProcess != nullptr; }
    DWORD id() const { return info_.dwProcessId; }
    HANDLE handle() const { return info_.hProcess; }
    // The main thread, which runs the window and the frame loop.
    HANDLE mainThread() const { return info_.hThread; }
    bool running() const;
    // Waits up to the time given; true with the exit code when the process has ended.
    bool waitForExit(DWORD milliseconds, DWORD& exitCode) const;
    // Polls for a top-level window of the process; null when none appears in time or the
    // process ends first.
    HWND waitForWindow(const char* className, const char* title, DWORD milliseconds) const;

private:
    PROCESS_INFORMATION info_{};
};

} // namespace velmora::window

// Test support: runs Velmora.dll as the saver does and watches its windows from outside.
#pragma once

#include <windows.h>

#include <string>

#include "tests/support/ChildProcess.h"
#include "tests/support/WindowWait.h"

namespace velmora::window {

// Puts the saver's star picture where the renderer looks for it; false when it cannot be
// written.
bool writeTextureBitmap();

// Removes the texture bitmap from both places the loader may read it from.
void removeTextureBitmaps();

// The mode the screen shows now.
DEVMODEA currentDisplayMode();

// Velmora.dll started as a new process, shown normally, as the saver starts it.
class RendererProcess : public testing::ChildProcess {
public:
    RendererProcess();

    // A top-level window of the process that matches the query, now or within the time; null
    // when none appears in time or the process ends first.
    HWND findWindow(testing::WindowQuery query) const;
    HWND waitForWindow(testing::WindowQuery query, testing::Millis timeout) const;
};

} // namespace velmora::window

// Finding the windows of the programs under test, and waiting for them to come.
#pragma once

#include <windows.h>

#include <string>

#include "tests/support/MessagePump.h"

namespace velmora::testing {

// What a wanted window matches; an empty text, a zero process or a null parent matches any.
struct WindowQuery {
    std::string title = {};     // UTF-8, whole and exact
    std::string className = {}; // in any case, as the system compares class names
    DWORD processId = 0;
    HWND parent = nullptr;    // then a child window at any depth below it, else a top-level one
    bool visibleOnly = false; // hidden windows count unless this is set
};

// The first window that matches; null when there is none.
HWND findWindow(const WindowQuery& query);

// Polls every few milliseconds while this thread's messages flow; null when none came in time,
// or as soon as `process` (when given) has ended without showing it.
HWND waitForWindow(const WindowQuery& query, Millis timeout, HANDLE process = nullptr);

} // namespace velmora::testing

// A program the test starts and watches from outside: ended by force when the test is done with
// it and it still runs, so a failed test leaves nothing behind for the next one.
#pragma once

#include <windows.h>

#include <string>

#include "tests/support/MessagePump.h"

namespace velmora::testing {

struct ProcessStart {
    std::string program = {};     // UTF-8 path; empty: the first word of the command line
    std::string commandLine = {}; // UTF-8; empty: none
    std::string folder = {};      // the working folder; empty: this process's
    bool showNormal = false;      // shown as a window normally is, not as the parent says
};

class ChildProcess {
public:
    explicit ChildProcess(const ProcessStart& start);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool started() const { return info_.hProcess != nullptr; }
    DWORD id() const { return info_.dwProcessId; }
    HANDLE handle() const { return info_.hProcess; }
    // The main thread, which runs the program's windows.
    HANDLE mainThread() const { return info_.hThread; }
    bool running() const;
    // True when the process has ended within the time, while this thread's messages flow.
    bool waitForExit(Millis timeout) const;
    // Its exit code once it has ended; STILL_ACTIVE before, and when it never started.
    DWORD exitCode() const;

private:
    PROCESS_INFORMATION info_{};
};

} // namespace velmora::testing

// Starting, watching and ending a test's child process (see ChildProcess.h).
#include "tests/support/ChildProcess.h"

#include "base/win32/PlatformText.h"

namespace velmora::testing {

ChildProcess::ChildProcess(const ProcessStart& start) {
    const std::wstring program = win32::toWide(start.program);
    std::wstring commandLine = win32::toWide(start.commandLine);
    const std::wstring folder = win32::toWide(start.folder);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (start.showNormal) {
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_SHOWNORMAL;
    }
    if (!CreateProcessW(program.empty() ? nullptr : program.c_str(),
                        commandLine.empty() ? nullptr : commandLine.data(), nullptr, nullptr, FALSE,
                        0, nullptr, folder.empty() ? nullptr : folder.c_str(), &startup, &info_)) {
        info_ = {};
    }
}

ChildProcess::~ChildProcess() {
    if (!started()) {
        return;
    }
    if (running()) {
        TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

bool ChildProcess::running() const {
    return started() && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

bool ChildProcess::waitForExit(Millis timeout) const {
    return started() && waitPumping(info_.hProcess, timeout);
}

DWORD ChildProcess::exitCode() const {
    DWORD code = STILL_ACTIVE;
    if (started()) {
        GetExitCodeProcess(info_.hProcess, &code);
    }
    return code;
}

} // namespace velmora::testing

// Starting Velmora.dll (see RendererProcess.h).
#include "saver/run/RendererProcess.h"

#include <string>

#include "contract/SharedNames.h"

#include "saver/settings/Paths.h"
#include "saver/text/AnsiText.h"

namespace {
constexpr ULONGLONG kStartUpGraceMs = 10000;
}

RendererProcess::~RendererProcess() {
    windowSeen();
}

void RendererProcess::start() {
    const std::wstring path = toWide(programFolder() + "\\" + velmora::contract::kRendererFileName);
    std::wstring commandLine = L"\"" + path + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process))
        return;
    // The renderer is a grandchild of the program in front; without this permission its window
    // could not take the foreground, and Escape would go to that program.
    AllowSetForegroundWindow(process.dwProcessId);
    CloseHandle(process.hThread);
    process_ = process.hProcess;
    startedAt_ = GetTickCount64();
}

bool RendererProcess::starting() const {
    return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT &&
           GetTickCount64() - startedAt_ < kStartUpGraceMs;
}

void RendererProcess::windowSeen() {
    if (process_)
        CloseHandle(process_);
    process_ = nullptr;
}

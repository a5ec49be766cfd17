// Starting Velmora.dll and looking for its window (see RendererProcess.h).
#include "saver/run/RendererProcess.h"

#include <string>

#include "contract/SharedNames.h"

#include "saver/settings/Paths.h"
#include "saver/text/AnsiText.h"

namespace velmora::run {

RendererProcess::~RendererProcess() {
    release();
}

bool RendererProcess::start() {
    const std::wstring path =
        text::toWide(settings::programFolder() + "\\" + contract::kRendererFileName);
    std::wstring commandLine = L"\"" + path + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
        return false;
    }
    // The renderer is a grandchild of the program in front; without this permission its window
    // could not take the foreground, and Escape would go to that program.
    AllowSetForegroundWindow(process.dwProcessId);
    CloseHandle(process.hThread);
    process_ = process.hProcess;
    return true;
}

bool RendererProcess::running() {
    return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

bool RendererProcess::windowOpen() {
    return FindWindowA(nullptr, contract::kRendererWindowTitle) != nullptr;
}

void RendererProcess::release() {
    if (process_) {
        CloseHandle(process_);
    }
    process_ = nullptr;
}

} // namespace velmora::run

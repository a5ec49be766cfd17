// Starting Velmora.dll and looking for its window (see RendererProcess.h).
#include "saver/run/RendererProcess.h"

#include <string>

#include "contract/SharedNames.h"

#include "base/win32/PlatformText.h"
#include "saver/settings/Settings.h"

namespace velmora::run {

RendererProcess::~RendererProcess() {
    release();
}

bool RendererProcess::start() {
    const std::wstring path = win32::toWide(settings::besideProgram(contract::kRendererFileName));
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
    processId_ = process.dwProcessId;
    return true;
}

bool RendererProcess::running() {
    return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

bool RendererProcess::asking() {
    struct Search {
        DWORD processId;
        std::wstring caption;
        bool found = false;
    } search{processId_, win32::toWide(contract::kRefusedModeCaption)};
    if (!running()) {
        return false;
    }
    EnumWindows(
        [](HWND window, LPARAM context) {
            auto& search = *reinterpret_cast<Search*>(context);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner != search.processId) {
                return TRUE;
            }
            // Another process's caption is read without a message: a hung renderer holds no one.
            wchar_t caption[64] = {};
            GetWindowTextW(window, caption, 64);
            search.found = search.caption == caption;
            return search.found ? FALSE : TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool RendererProcess::windowOpen() {
    return FindWindowA(nullptr, contract::kRendererWindowTitle) != nullptr;
}

void RendererProcess::release() {
    if (process_) {
        CloseHandle(process_);
    }
    process_ = nullptr;
    processId_ = 0;
}

} // namespace velmora::run

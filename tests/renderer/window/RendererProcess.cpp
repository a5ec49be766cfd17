// Starting Velmora.dll like the saver (a new process, shown normally, not waited for) and
// looking for its windows by process, class and title.
#include "tests/renderer/window/RendererProcess.h"
#include "contract/SharedNames.h"

#include <cstring>

#include "tools/bench/StarGlow.h"

namespace velmora::window {
namespace {

struct WindowSearch {
    DWORD processId;
    const char* className;
    const char* title;
    HWND found;
};

bool textIs(const char* wanted, const char* actual) {
    return wanted == nullptr || std::strcmp(wanted, actual) == 0;
}

BOOL CALLBACK matchWindow(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[64] = {};
    char title[128] = {};
    GetClassNameA(window, className, sizeof className);
    GetWindowTextA(window, title, sizeof title);
    if (owner == search->processId && textIs(search->className, className) &&
        textIs(search->title, title)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

std::string tempBitmapPath() {
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + velmora::contract::kTextureFileName;
}

} // namespace

bool writeTextureBitmap() {
    return bench::writeStarGlowBitmap(velmora::contract::kTexturePath);
}

void removeTextureBitmaps() {
    DeleteFileA(velmora::contract::kTexturePath);
    DeleteFileA(tempBitmapPath().c_str());
}

HWND findProcessWindow(DWORD processId, const char* className, const char* title) {
    WindowSearch search{processId, className, title, nullptr};
    EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

RendererProcess::RendererProcess() {
    std::string path = builtFile(velmora::contract::kRendererFileName);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    if (!CreateProcessA(path.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info_)) {
        info_ = {};
    }
}

RendererProcess::~RendererProcess() {
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

bool RendererProcess::running() const {
    return started() && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

bool RendererProcess::waitForExit(DWORD milliseconds, DWORD& exitCode) const {
    if (!started() || WaitForSingleObject(info_.hProcess, milliseconds) != WAIT_OBJECT_0) {
        return false;
    }
    return GetExitCodeProcess(info_.hProcess, &exitCode) != 0;
}

HWND RendererProcess::waitForWindow(const char* className, const char* title,
                                    DWORD milliseconds) const {
    const double end = bench::nowMs() + milliseconds;
    while (bench::nowMs() < end) {
        if (HWND window = findProcessWindow(id(), className, title)) {
            return window;
        }
        if (!running()) {
            return nullptr;
        }
        Sleep(5);
    }
    return nullptr;
}

} // namespace velmora::window

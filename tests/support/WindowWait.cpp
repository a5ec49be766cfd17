// Window search by title, class, process, parent and visibility (see WindowWait.h).
#include "tests/support/WindowWait.h"

#include <chrono>

#include "base/win32/PlatformText.h"

namespace velmora::testing {
namespace {

constexpr Millis kPoll(5);

struct Search {
    std::wstring title;
    std::wstring className;
    const WindowQuery& query;
    HWND found = nullptr;
};

std::wstring classOf(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

std::wstring titleOf(HWND window) {
    wchar_t title[256] = {};
    GetWindowTextW(window, title, 256);
    return title;
}

bool matches(const Search& search, HWND window) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    return (search.query.processId == 0 || owner == search.query.processId) &&
           (!search.query.visibleOnly || IsWindowVisible(window)) &&
           (search.className.empty() ||
            lstrcmpiW(classOf(window).c_str(), search.className.c_str()) == 0) &&
           (search.title.empty() || titleOf(window) == search.title);
}

BOOL CALLBACK matchWindow(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    if (!matches(*search, window)) {
        return TRUE;
    }
    search->found = window;
    return FALSE;
}

} // namespace

HWND findWindow(const WindowQuery& query) {
    Search search{win32::toWide(query.title), win32::toWide(query.className), query};
    if (query.parent) {
        EnumChildWindows(query.parent, matchWindow, reinterpret_cast<LPARAM>(&search));
    } else {
        EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&search));
    }
    return search.found;
}

HWND waitForWindow(const WindowQuery& query, Millis timeout, HANDLE process) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (HWND window = findWindow(query)) {
            return window;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return nullptr;
        }
        if (!process) {
            pumpMessages(kPoll);
        } else if (waitPumping(process, kPoll)) {
            return findWindow(query); // ended: a last look, then no more waiting
        }
    }
}

} // namespace velmora::testing

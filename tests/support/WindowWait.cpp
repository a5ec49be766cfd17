// Window search by title, class, process, parent and visibility (see WindowWait.h).
#include "tests/support/WindowWait.h"

#include <chrono>

namespace velmora::testing {
namespace {

constexpr Millis kPoll(5);

std::wstring widened(const std::string& utf8) {
    std::wstring wide(utf8.size(), L'\0');
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()),
                                           wide.data(), static_cast<int>(wide.size()));
    wide.resize(static_cast<size_t>(length > 0 ? length : 0));
    return wide;
}

struct Search {
    std::wstring title;
    std::wstring className;
    const WindowQuery& query;
    HWND found = nullptr;
};

std::wstring textOf(HWND window, int (*read)(HWND, LPWSTR, int)) {
    wchar_t text[256] = {};
    read(window, text, 256);
    return text;
}

int readClassName(HWND window, LPWSTR text, int capacity) {
    return GetClassNameW(window, text, capacity);
}

int readTitle(HWND window, LPWSTR text, int capacity) {
    return GetWindowTextW(window, text, capacity);
}

bool matches(const Search& search, HWND window) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    return (search.query.processId == 0 || owner == search.query.processId) &&
           (!search.query.visibleOnly || IsWindowVisible(window)) &&
           (search.className.empty() ||
            lstrcmpiW(textOf(window, readClassName).c_str(), search.className.c_str()) == 0) &&
           (search.title.empty() || textOf(window, readTitle) == search.title);
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
    Search search{widened(query.title), widened(query.className), query};
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

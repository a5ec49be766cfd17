// Cover windows from the monitor list (see CoverWindows.h).
#include "renderer/window/CoverWindows.h"

#include "renderer/window/core/CoverLayout.h"

namespace velmora::window {

namespace {

constexpr char kCoverClassName[] = "VelmoraCover";

BOOL CALLBACK addMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM list) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoA(monitor, &info)) {
        const RECT& area = info.rcMonitor;
        reinterpret_cast<std::vector<base::PixelRect>*>(list)->push_back(
            {area.left, area.top, area.right - area.left, area.bottom - area.top});
    }
    return TRUE;
}

LRESULT CALLBACK coverWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_SETCURSOR:
        // The pointer stays hidden over the covers as over the scene.
        SetCursor(nullptr);
        return TRUE;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

std::vector<HWND> createCoverWindows(HINSTANCE instance) {
    std::vector<base::PixelRect> monitors;
    EnumDisplayMonitors(nullptr, nullptr, addMonitor, reinterpret_cast<LPARAM>(&monitors));
    const std::vector<base::PixelRect> areas = coverRectangles(monitors, 0, 0);
    std::vector<HWND> covers;
    if (areas.empty()) {
        return covers;
    }
    WNDCLASSA coverClass{};
    coverClass.lpfnWndProc = coverWindowProc;
    coverClass.hInstance = instance;
    coverClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    coverClass.lpszClassName = kCoverClassName;
    RegisterClassA(&coverClass);
    for (const base::PixelRect& area : areas) {
        // Disabled and never activated: clicks and keys cannot reach or focus a cover.
        HWND cover =
            CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kCoverClassName,
                            "", WS_POPUP | WS_DISABLED, area.left, area.top, area.width,
                            area.height, nullptr, nullptr, instance, nullptr);
        if (cover) {
            ShowWindow(cover, SW_SHOWNOACTIVATE);
            covers.push_back(cover);
        }
    }
    return covers;
}

void destroyCoverWindows(std::vector<HWND>& covers, HINSTANCE instance) {
    if (covers.empty()) {
        return;
    }
    for (HWND cover : covers) {
        DestroyWindow(cover);
    }
    covers.clear();
    UnregisterClassA(kCoverClassName, instance);
}

} // namespace velmora::window

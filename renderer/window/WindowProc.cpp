// The renderer's window procedure: it only turns messages into the frame loop's input, the
// scene's projection and the quit request; everything else gets the default processing.
#include <cstring>

#include "renderer/scene/Scene.h"
#include "renderer/window/RendererWindow.h"

namespace velmora::window {

namespace {

// The console display state the system reports: a 32-bit value, 0 off, 1 on, 2 dimmed.
void readDisplayState(FrameInput& input, const POWERBROADCAST_SETTING& setting) {
    if (IsEqualGUID(setting.PowerSetting, kConsoleDisplayState) &&
        setting.DataLength >= sizeof(DWORD)) {
        DWORD state;
        std::memcpy(&state, setting.Data, sizeof state);
        input.displayState(state);
    }
}

} // namespace

LRESULT CALLBACK rendererWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    auto* state = reinterpret_cast<RendererState*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!state) {
        // The few messages that come before the creation message.
        return DefWindowProcA(window, message, wParam, lParam);
    }
    FrameInput& input = state->input;
    switch (message) {
    case WM_ACTIVATE:
        // Only minimizing stops the drawing; losing the focus does not. The default processing
        // that would give the window the keyboard is skipped, so the focus is taken here.
        if (input.activate(LOWORD(wParam), HIWORD(wParam))) {
            SetFocus(window);
        }
        return 0;
    case WM_SYSCOMMAND:
        // Keeps the system's own screensaver and monitor power-saving from starting.
        if (wParam == SC_SCREENSAVE || wParam == SC_MONITORPOWER) {
            return 0;
        }
        break;
    case WM_CLOSE:
        // The loop ends on the quit message and releases the window itself.
        PostQuitMessage(0);
        return 0;
    case WM_KEYDOWN:
        input.key(KeyMessage::Down, wParam);
        return 0;
    case WM_KEYUP:
        input.key(KeyMessage::Up, wParam);
        return 0;
    case WM_SYSKEYDOWN:
        // Also what an active window without the focus gets; Alt+F4 still needs the default.
        input.key(KeyMessage::SystemDown, wParam);
        break;
    case WM_POWERBROADCAST:
        if (wParam == PBT_POWERSETTINGCHANGE && lParam) {
            readDisplayState(input, *reinterpret_cast<const POWERBROADCAST_SETTING*>(lParam));
        }
        return TRUE;
    case WM_SIZE:
        // Minimizing does not always bring an activation message with the minimized flag (not
        // when another program minimizes the window), but it always brings this one.
        if (wParam == SIZE_MINIMIZED || wParam == SIZE_RESTORED || wParam == SIZE_MAXIMIZED) {
            input.minimize(wParam == SIZE_MINIMIZED);
        }
        scene::resizeScene(LOWORD(lParam), HIWORD(lParam));
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace velmora::window

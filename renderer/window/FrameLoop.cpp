// The renderer's window procedure, which only turns messages into the frame loop's input, the
// scene's projection and the quit request, and the frame loop: a message when one is waiting,
// otherwise one frame when the pacer says it is due. Between frames, while minimized and while the
// display is dark it sleeps in the message wait, so input and the display's return wake it at once.
#include <windows.h>

#include <mmsystem.h>

#include <cstring>

#include "base/Clock.h"
#include "renderer/scene/Scene.h"
#include "renderer/window/RendererWindow.h"
#include "renderer/window/core/FramePacer.h"

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

WPARAM runFrameLoop(RendererState& state) {
    base::SteadyClock clock;
    FramePacer pacer(clock);
    // Waits of a few milliseconds need a finer system timer than the default 15.6 ms.
    timeBeginPeriod(1);
    WPARAM lastWParam = 0;
    bool done = false;
    while (!done) {
        MSG message;
        if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            lastWParam = message.wParam;
            if (message.message == WM_QUIT) {
                done = true;
            } else {
                TranslateMessage(&message);
                DispatchMessageA(&message);
            }
            continue;
        }
        const unsigned int waitMs = pacer.msUntilDue();
        switch (emptyQueuePass(state.input, waitMs)) {
        case EmptyQueuePass::End:
            done = true;
            break;
        case EmptyQueuePass::AwaitInput:
            WaitMessage();
            break;
        case EmptyQueuePass::AwaitPace:
            MsgWaitForMultipleObjects(0, nullptr, FALSE, waitMs, QS_ALLINPUT);
            break;
        case EmptyQueuePass::DrawFrame:
            pacer.frameStarts();
            done = !scene::drawScene(state.scene);
            if (!done) {
                SwapBuffers(state.deviceContext);
            }
            break;
        }
    }
    timeEndPeriod(1);
    return lastWParam;
}

} // namespace velmora::window

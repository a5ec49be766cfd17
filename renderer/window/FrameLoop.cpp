// The renderer's frame loop: a message when one is waiting, otherwise one frame. It never
// blocks, so it runs as fast as the buffers can be swapped.
#include "renderer/scene/Scene.h"
#include "renderer/window/RendererWindow.h"

WPARAM runFrameLoop() {
    RendererState& state = rendererState();
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
        } else if (frameEndsLoop(state.input, drawScene)) {
            done = true;
        } else {
            // Swapped while minimized too, with no new picture drawn.
            SwapBuffers(state.deviceContext);
        }
    }
    return lastWParam;
}

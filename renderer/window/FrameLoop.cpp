// The renderer's frame loop: a message when one is waiting, otherwise one frame when the pacer
// says it is due. Between frames, while minimized and while the display is dark it sleeps in the
// message wait, so input and the display's return wake it at once.
#include <windows.h>

#include <mmsystem.h>

#include "base/Clock.h"

#include "renderer/scene/Scene.h"
#include "renderer/window/RendererWindow.h"
#include "renderer/window/SwapControl.h"
#include "renderer/window/core/FramePacer.h"

namespace velmora::window {

WPARAM runFrameLoop(RendererState& state) {
    useSwapInterval(state.deviceContext);
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

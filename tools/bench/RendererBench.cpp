// Benchmark of the renderer under the GL at hand: start-up time to the first drawn frame, the
// mean frame time of the real scene, and that of a bare loop drawing the same 4000 textured
// squares with nothing else, so the cost of the animation itself shows in their ratio.
// Usage: velmora_bench [frames]   (writes C:\Vantri.bmp, runs full screen at 1024 x 768)
#include <windows.h>

#include <GL/gl.h>

#include <cstdio>

#include "base/Clock.h"

#include "contract/SharedNames.h"
#include "renderer/bitmap/DibReader.h"
#include "renderer/scene/Scene.h"
#include "renderer/window/RendererWindow.h"
#include "renderer/window/core/RunScreen.h"
#include "tools/bench/FrameTimes.h"
#include "tools/bench/SceneReplica.h"
#include "tools/bench/StarGlow.h"

namespace velmora::bench {
namespace {

// False when the window was closed meanwhile.
bool pumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            return false;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return true;
}

} // namespace
} // namespace velmora::bench

int main(int argc, char** argv) {
    using namespace velmora::bench;
    using namespace velmora::window;
    using namespace velmora::scene;
    const int frames = frameCountArgument(argc, argv);
    if (frames == 0 || !writeStarGlowBitmap(velmora::contract::kTexturePath)) {
        std::fprintf(stderr, "usage: velmora_bench [frames]; C:\\Vantri.bmp must be writable\n");
        return 2;
    }
    velmora::base::SteadyClock clock;
    const double start = clock.nowMs();
    RendererState state;
    if (!createRendererWindow(state, "Velmora bench", kRunScreenWidth, kRunScreenHeight,
                              kRunScreenBits, true, velmora::bitmap::loadScenePicture)) {
        std::fprintf(stderr, "the renderer window could not be made\n");
        return 1;
    }
    const HDC deviceContext = state.deviceContext;
    const int code = benchmarkScene(
        state.scene, start, frames, kRunScreenWidth, kRunScreenHeight, pumpMessages,
        [&] { SwapBuffers(deviceContext); }, [&clock] { return clock.nowMs(); });
    destroyRendererWindow(state);
    DeleteFileA(velmora::contract::kTexturePath);
    return code;
}

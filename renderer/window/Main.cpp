// Entry of Velmora.dll: opens the starfield of the saver's texture bitmap full screen at its
// fixed size and depth, runs it until Escape or close, and releases everything. It reads no
// command line.
#include "contract/SharedNames.h"
#include "renderer/bitmap/DibReader.h"
#include "renderer/window/RendererWindow.h"
#include "renderer/window/core/RunScreen.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    using namespace velmora::window;
    // The saver polls for this title to learn when the run has ended.
    RendererState state;
    if (!createRendererWindow(state, velmora::contract::kRendererWindowTitle, kRunScreenWidth,
                              kRunScreenHeight, kRunScreenBits, true,
                              velmora::bitmap::loadScenePicture)) {
        return 0;
    }
    const WPARAM exitCode = runFrameLoop(state);
    destroyRendererWindow(state);
    return static_cast<int>(exitCode);
}

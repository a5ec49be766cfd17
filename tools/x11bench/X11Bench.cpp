// Benchmark of the X11 hack under the GL at hand, the same figures as the Windows one: start-up
// time to the first drawn frame, the mean frame time of the real scene in the hack's own
// 1024 x 768 window, and that of a bare loop drawing the same 4000 textured squares with nothing
// else, so the cost of the animation itself shows in their ratio. Frames are not paced.
// Usage: velmora_x11_bench [frames]
#include <GL/gl.h>

#include <cstdio>

#include "base/Clock.h"
#include "renderer/scene/Scene.h"
#include "renderer/x11/HackScene.h"
#include "renderer/x11/HackWindow.h"
#include "tools/bench/FrameTimes.h"

int main(int argc, char** argv) {
    using namespace velmora::bench;
    using namespace velmora::x11;
    const int frames = frameCountArgument(argc, argv);
    if (frames == 0) {
        std::fprintf(stderr, "usage: velmora_x11_bench [frames]\n");
        return 2;
    }
    velmora::base::SteadyClock clock;
    const double start = clock.nowMs();
    HackWindow hack;
    if (const std::string failure = openHackWindow(HackOptions{}, hack); !failure.empty()) {
        std::fprintf(stderr, "velmora_x11_bench: %s\n", failure.c_str());
        return 1;
    }
    velmora::scene::SceneState scene;
    if (!startHackScene(scene, hack.width, hack.height)) {
        std::fprintf(stderr, "velmora_x11_bench: the scene cannot be set up\n");
        return 1;
    }
    const int code = benchmarkScene(
        scene, start, frames, hack.width, hack.height, [] { return true; },
        [&hack] { showFrame(hack); }, [&clock] { return clock.nowMs(); });
    velmora::scene::freeScene(scene);
    closeHackWindow(hack);
    return code;
}

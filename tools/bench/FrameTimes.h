// The timed part of the renderer benchmarks, whatever the window: each scene frame is followed
// by a bare frame of the very same squares, so both loops draw the same pictures; only the
// drawing and the swap are timed.
#pragma once

#include <GL/gl.h>

#include <cstdio>
#include <cstdlib>

#include "renderer/scene/Scene.h"
#include "tools/bench/SceneReplica.h"

namespace velmora::bench {

// The frame count a benchmark was asked for (300 when none is given); 0 when it is not a count.
inline int frameCountArgument(int argc, char** argv) {
    const int frames = argc > 1 ? std::atoi(argv[1]) : 300;
    return frames > 0 ? frames : 0;
}

struct FrameTimes {
    double sceneMs = 0.0;
    double bareMs = 0.0;
    int frames = 0;
};

// Up to `frames` pairs, while goOn() holds; showFrame() swaps, nowMs() reads the clock.
template <class GoOn, class ShowFrame, class NowMs>
FrameTimes measureFrames(scene::SceneState& scene, SceneReplica& replica, int frames, GoOn&& goOn,
                         ShowFrame&& showFrame, NowMs&& nowMs) {
    scene::GlBillboardCanvas canvas;
    FrameTimes times;
    for (; times.frames < frames && goOn(); ++times.frames) {
        double start = nowMs();
        scene::drawScene(scene);
        showFrame();
        times.sceneMs += nowMs() - start;

        const std::vector<scene::BillboardQuad>& squares = replica.squares();
        start = nowMs();
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        canvas.bindTexture(scene.texture);
        for (const scene::BillboardQuad& quad : squares) {
            canvas.drawQuad(quad);
        }
        showFrame();
        times.bareMs += nowMs() - start;
        replica.update();
    }
    return times;
}

// The whole benchmark once the scene is set up in a window of width x height: the first frame
// (start-up runs from startMs until it is on the screen), then `frames` timed pairs, and the
// figures. Returns the program's exit code.
template <class GoOn, class ShowFrame, class NowMs>
int benchmarkScene(scene::SceneState& scene, double startMs, int frames, int width, int height,
                   GoOn&& goOn, ShowFrame&& showFrame, NowMs&& nowMs) {
    SceneReplica replica(scene.texture);
    goOn();
    scene::drawScene(scene);
    showFrame();
    glFinish();
    const double startupMs = nowMs() - startMs;
    if (!replica.made()) {
        std::fprintf(stderr, "no memory for the replica\n");
        return 1;
    }
    replica.update();

    const FrameTimes times = measureFrames(scene, replica, frames, goOn, showFrame, nowMs);
    std::printf("GL: %s, %s; %d x %d\n", glGetString(GL_RENDERER), glGetString(GL_VERSION), width,
                height);
    const double sceneMs = times.sceneMs / times.frames;
    const double bare = times.bareMs / times.frames;
    std::printf("start-up to the first drawn frame: %.1f ms\n", startupMs);
    std::printf("scene, mean of %d frames:            %.2f ms (%.1f frames/s)\n", times.frames,
                sceneMs, 1000.0 / sceneMs);
    std::printf("bare 4000 squares, mean of %d frames: %.2f ms (%.1f frames/s)\n", times.frames,
                bare, 1000.0 / bare);
    std::printf("ratio scene / bare:                 %.3f\n", sceneMs / bare);
    return 0;
}

} // namespace velmora::bench

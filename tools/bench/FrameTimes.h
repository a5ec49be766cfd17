// The timed part of the renderer benchmarks, whatever the window: each scene frame is followed
// by a bare frame of the very same squares, so both loops draw the same pictures; only the
// drawing and the swap are timed.
#pragma once

#include <GL/gl.h>

#include <cstdio>

#include "renderer/bitmap/SceneTexture.h"
#include "renderer/scene/GlBillboardCanvas.h"
#include "renderer/scene/Scene.h"
#include "tools/bench/SceneReplica.h"

struct FrameTimes {
    double sceneMs = 0.0;
    double bareMs = 0.0;
    int frames = 0;
};

// Up to `frames` pairs, while goOn() holds; showFrame() swaps, nowMs() reads the clock.
template <class GoOn, class ShowFrame, class NowMs>
FrameTimes measureFrames(SceneReplica& replica, int frames, GoOn&& goOn, ShowFrame&& showFrame,
                         NowMs&& nowMs) {
    GlBillboardCanvas canvas;
    FrameTimes times;
    for (; times.frames < frames && goOn(); ++times.frames) {
        double start = nowMs();
        drawScene();
        showFrame();
        times.sceneMs += nowMs() - start;

        const std::vector<BillboardQuad>& squares = replica.squares();
        start = nowMs();
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        canvas.bindTexture(sceneTextureName());
        for (const BillboardQuad& quad : squares) {
            canvas.drawQuad(quad);
        }
        showFrame();
        times.bareMs += nowMs() - start;
        replica.update();
    }
    return times;
}

// The figures both benchmarks print.
inline void printFrameTimes(double startupMs, const FrameTimes& times) {
    const double scene = times.sceneMs / times.frames;
    const double bare = times.bareMs / times.frames;
    std::printf("start-up to the first drawn frame: %.1f ms\n", startupMs);
    std::printf("scene, mean of %d frames:            %.2f ms (%.1f frames/s)\n", times.frames,
                scene, 1000.0 / scene);
    std::printf("bare 4000 squares, mean of %d frames: %.2f ms (%.1f frames/s)\n", times.frames,
                bare, 1000.0 / bare);
    std::printf("ratio scene / bare:                 %.3f\n", scene / bare);
}

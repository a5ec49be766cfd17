// Benchmark of the renderer under the GL at hand: start-up time to the first drawn frame, the
// mean frame time of the real scene, and that of a bare loop drawing the same 4000 textured
// squares with nothing else, so the cost of the animation itself shows in their ratio.
// Usage: velmora_bench [frames]   (writes C:\Vantri.bmp, runs full screen at 1024 x 768)
#include <windows.h>

#include <GL/gl.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <utility>
#include <vector>

#include "renderer/bitmap/SceneTexture.h"
#include "renderer/scene/GlBillboardCanvas.h"
#include "renderer/scene/Random.h"
#include "renderer/scene/Scene.h"
#include "renderer/scene/SceneLayout.h"
#include "renderer/window/RendererWindow.h"
#include "tools/bench/StarGlow.h"
#include "tools/bench/Stopwatch.h"

namespace {

// Reads the real model-view matrix but keeps the squares instead of drawing them.
class RecordingCanvas : public BillboardCanvas {
public:
    std::vector<BillboardQuad> quads;

    void readModelView(float matrix[16]) override { gl_.readModelView(matrix); }
    void bindTexture(unsigned int) override {}
    void drawQuad(const BillboardQuad& quad) override { quads.push_back(quad); }

private:
    GlBillboardCanvas gl_;
};

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

// A second particle system that repeats the scene's: spawned and moved with a random sequence
// of its own from the same start, so it holds the squares the scene has just drawn.
class SceneReplica {
public:
    SceneReplica() {
        std::swap(processRandom(), random_);
        particles_ = makeSceneParticles(sceneTextureName(), recorder_);
        std::swap(processRandom(), random_);
    }
    bool made() const { return particles_ != nullptr; }

    // The squares of the current state, seen through the current model-view matrix.
    const std::vector<BillboardQuad>& squares() {
        recorder_.quads.clear();
        particles_->draw();
        return recorder_.quads;
    }

    void update() {
        std::swap(processRandom(), random_);
        particles_->update(kSceneStep);
        std::swap(processRandom(), random_);
    }

private:
    RandomSequence random_;
    RecordingCanvas recorder_;
    std::unique_ptr<BillboardParticleSystem> particles_;
};

struct FrameTimes {
    double sceneMs = 0.0;
    double bareMs = 0.0;
    int frames = 0;
};

// Each scene frame is followed by a bare frame of the very same squares, so both loops draw
// the same pictures; only the drawing and the swap are timed.
FrameTimes measureFrames(HDC deviceContext, SceneReplica& replica, int frames) {
    GlBillboardCanvas canvas;
    FrameTimes times;
    for (; times.frames < frames && pumpMessages(); ++times.frames) {
        double start = nowMs();
        drawScene();
        SwapBuffers(deviceContext);
        times.sceneMs += nowMs() - start;

        const std::vector<BillboardQuad>& squares = replica.squares();
        start = nowMs();
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        canvas.bindTexture(sceneTextureName());
        for (const BillboardQuad& quad : squares) {
            canvas.drawQuad(quad);
        }
        SwapBuffers(deviceContext);
        times.bareMs += nowMs() - start;
        replica.update();
    }
    return times;
}

} // namespace

int main(int argc, char** argv) {
    const int frames = argc > 1 ? std::atoi(argv[1]) : 300;
    if (frames <= 0 || !writeStarGlowBitmap("C:\\Vantri.bmp")) {
        std::fprintf(stderr, "usage: velmora_bench [frames]; C:\\Vantri.bmp must be writable\n");
        return 2;
    }
    const double start = nowMs();
    if (!createRendererWindow("Velmora bench", 1024, 768, 16, true)) {
        std::fprintf(stderr, "the renderer window could not be made\n");
        return 1;
    }
    const HDC deviceContext = rendererState().deviceContext;
    SceneReplica replica;
    pumpMessages();
    drawScene();
    SwapBuffers(deviceContext);
    glFinish();
    const double startup = nowMs() - start;
    if (!replica.made()) {
        std::fprintf(stderr, "no memory for the replica\n");
        return 1;
    }
    replica.update();

    const FrameTimes times = measureFrames(deviceContext, replica, frames);
    std::printf("GL: %s, %s; 1024 x 768\n", glGetString(GL_RENDERER), glGetString(GL_VERSION));
    destroyRendererWindow();
    DeleteFileA("C:\\Vantri.bmp");

    const double scene = times.sceneMs / times.frames;
    const double bare = times.bareMs / times.frames;
    std::printf("start-up to the first drawn frame: %.1f ms\n", startup);
    std::printf("scene, mean of %d frames:            %.2f ms (%.1f frames/s)\n", times.frames,
                scene, 1000.0 / scene);
    std::printf("bare 4000 squares, mean of %d frames: %.2f ms (%.1f frames/s)\n", times.frames,
                bare, 1000.0 / bare);
    std::printf("ratio scene / bare:                 %.3f\n", scene / bare);
    return 0;
}

// SceneReplica (shared by the benchmarks): a second particle system that repeats the scene's,
// spawned and moved with a random sequence of its own from the same start, so that it holds the
// squares the scene has just drawn; the bare loop of the benchmarks draws those squares with
// nothing else.
#pragma once

#include <memory>
#include <vector>

#include "renderer/scene/BillboardParticleSystem.h"
#include "renderer/scene/GlBillboardCanvas.h"
#include "renderer/scene/Random.h"

class SceneReplica {
public:
    // Needs the scene texture made, as the scene's own system does.
    SceneReplica();
    bool made() const { return particles_ != nullptr; }

    // The squares of the current state, seen through the current model-view matrix.
    const std::vector<BillboardQuad>& squares();

    // One step of the scene's motion.
    void update();

private:
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

    RandomSequence random_;
    RecordingCanvas recorder_;
    std::unique_ptr<BillboardParticleSystem> particles_;
};

// SceneReplica (shared by the benchmarks): a second particle system that repeats the scene's,
// spawned and moved with a random sequence of its own from the same start, so that it holds the
// squares the scene has just drawn; the bare loop of the benchmarks draws those squares with
// nothing else.
#pragma once

#include <memory>
#include <vector>

#include "renderer/scene/Scene.h"
#include "renderer/scene/core/BillboardParticleSystem.h"

namespace velmora::bench {

class SceneReplica {
public:
    // The particles of a scene showing that texture.
    explicit SceneReplica(unsigned int texture);
    bool made() const { return particles_ != nullptr; }

    // The squares of the current state, seen through the current model-view matrix.
    const std::vector<scene::BillboardQuad>& squares();

    // One step of the scene's motion.
    void update();

private:
    // Reads the real model-view matrix but keeps the squares instead of drawing them.
    class RecordingCanvas : public scene::BillboardCanvas {
    public:
        std::vector<scene::BillboardQuad> quads;

        void readModelView(float matrix[16]) override { gl_.readModelView(matrix); }
        void bindTexture(unsigned int) override {}
        void drawQuad(const scene::BillboardQuad& quad) override { quads.push_back(quad); }

    private:
        scene::GlBillboardCanvas gl_;
    };

    scene::RandomSequence random_;
    RecordingCanvas recorder_;
    std::unique_ptr<scene::BillboardParticleSystem> particles_;
};

} // namespace velmora::bench

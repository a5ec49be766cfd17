// The starfield's fixed layout: its particle system, the turning angles and the projections.
#include "renderer/scene/core/SceneLayout.h"

#include <gtest/gtest.h>

#include <vector>

namespace velmora::scene {
namespace {

class TextureCanvas : public BillboardCanvas {
public:
    std::vector<unsigned int> bound;

    void readModelView(float[16]) override {}
    void bindTexture(unsigned int texture) override { bound.push_back(texture); }
    void drawQuad(const BillboardQuad&) override {}
};

} // namespace

// Each scene spawns from its own sequence: two of them show the same stars, and neither draws
// from anything else.
TEST(SceneLayout, ParticlesAreSpawnedFromTheGivenSequenceAndDrawnWithTheTexture) {
    TextureCanvas canvas;
    RandomSequence first;
    const auto system = makeSceneParticles(3, canvas, first);
    ASSERT_NE(nullptr, system);
    ASSERT_EQ(kSceneParticleCount, system->count());
    RandomSequence second;
    const auto twin = makeSceneParticles(3, canvas, second);
    ASSERT_NE(nullptr, twin);
    for (std::int32_t i = 0; i < system->count(); ++i) {
        ASSERT_TRUE(system->inside(system->particle(i).position)) << i;
        ASSERT_EQ(system->particle(i).position.z, twin->particle(i).position.z) << i;
    }
    // Spawned in index order, eight draws each, from the given sequence alone.
    RandomSequence fresh;
    for (std::int32_t i = 0; i < 8 * kSceneParticleCount; ++i) {
        fresh.next();
    }
    EXPECT_EQ(fresh.next(), first.next());
    system->draw();
    EXPECT_EQ(std::vector<unsigned int>{3}, canvas.bound);
}

// The world starts turned sideways, so the emitter lies outside the first view, and turns about
// each axis at a steady rate of its own, the angles never folded back into a turn.
TEST(SceneLayout, AnglesStartSidewaysAndGrowSteadilyWithoutWrapping) {
    const SceneAngles start;
    EXPECT_EQ(90.0f, start.y);
    SceneAngles angles;
    angles.advance();
    const float step[] = {angles.x - start.x, angles.y - start.y, angles.z - start.z};
    EXPECT_TRUE(step[0] > 0 && step[1] > 0 && step[2] > 0);
    EXPECT_TRUE(step[0] != step[1] && step[1] != step[2] && step[0] != step[2]);
    constexpr int kSteps = 1000;
    for (int i = 1; i < kSteps; ++i) {
        angles.advance();
    }
    const float grown[] = {angles.x - start.x, angles.y - start.y, angles.z - start.z};
    for (int axis = 0; axis < 3; ++axis) {
        EXPECT_NEAR(kSteps * step[axis], grown[axis], 0.1) << axis; // none wraps past 360
    }
}

// Only the aspect follows the client; the lens is the start-up one, whose square view reaches
// twice as deep.
TEST(SceneLayout, ClientViewKeepsTheLensAndTreatsHeightZeroAsOne) {
    const Perspective startup = startupPerspective();
    EXPECT_EQ(1.0, startup.aspect);
    EXPECT_EQ(static_cast<double>(0.1f), startup.nearPlane); // the float 0.1, widened
    for (const auto& [width, height] : {std::pair{1024, 768}, {1024, 0}, {640, 480}, {1, 1000}}) {
        const ViewSetup view = viewForClient(width, height);
        EXPECT_EQ(width, view.width);
        EXPECT_EQ(height == 0 ? 1 : height, view.height);
        EXPECT_DOUBLE_EQ(static_cast<double>(width) / view.height, view.perspective.aspect)
            << width << "x" << height;
        EXPECT_EQ(startup.fieldOfView, view.perspective.fieldOfView);
        EXPECT_EQ(startup.nearPlane, view.perspective.nearPlane);
        EXPECT_EQ(startup.farPlane / 2.0, view.perspective.farPlane);
    }
}

} // namespace velmora::scene

// The starfield's fixed layout: its particle system, the turning angles and the projections.
#include "renderer/scene/core/SceneLayout.h"

#include <gtest/gtest.h>

#include "renderer/scene/core/Random.h"

namespace velmora::scene {
namespace {

class NoCanvas : public BillboardCanvas {
public:
    void readModelView(float[16]) override {}
    void bindTexture(unsigned int) override {}
    void drawQuad(const BillboardQuad&) override {}
};

} // namespace

TEST(SceneLayout, ParticlesAreTheSpawnedStarfieldWithItsTexture) {
    processRandom() = RandomSequence{};
    NoCanvas canvas;
    const auto system = makeSceneParticles(3, canvas);
    ASSERT_NE(nullptr, system);
    EXPECT_EQ(4000, system->count());
    EXPECT_FLOAT_EQ(15.0f, system->origin().z);
    EXPECT_FLOAT_EQ(-20.0f, system->minZ());
    EXPECT_FLOAT_EQ(50.0f, system->maxZ());
    // Spawned in index order: particle 0 took the first eight draws.
    EXPECT_FLOAT_EQ(12.705f, system->particle(0).position.z);
    EXPECT_NE(0.0f, system->particle(3999).position.z);
}

TEST(SceneLayout, AnglesStartSidewaysAndGrowWithoutWrapping) {
    SceneAngles angles;
    EXPECT_EQ(0.0f, angles.x);
    EXPECT_EQ(90.0f, angles.y);
    EXPECT_EQ(0.0f, angles.z);
    angles.advance();
    EXPECT_EQ(0.8f, angles.x);
    EXPECT_EQ(90.0f + 0.95f, angles.y);
    EXPECT_EQ(0.4f, angles.z);
    for (int i = 1; i < 1000; ++i) {
        angles.advance();
    }
    EXPECT_GT(angles.y, 360.0f + 90.0f);
    EXPECT_NEAR(400.0, angles.z, 0.05);
}

TEST(SceneLayout, ClientViewKeepsWidthAndTreatsHeightZeroAsOne) {
    struct Case {
        int width, height;
        int viewportHeight;
        double aspect;
    };
    const Case cases[] = {
        {1024, 768, 768, 1024.0 / 768.0},
        {1024, 0, 1, 1024.0},
        {640, 480, 480, 640.0 / 480.0},
        {1, 1000, 1000, 0.001},
    };
    for (const Case& c : cases) {
        const ViewSetup view = viewForClient(c.width, c.height);
        EXPECT_EQ(c.width, view.width);
        EXPECT_EQ(c.viewportHeight, view.height);
        EXPECT_DOUBLE_EQ(c.aspect, view.perspective.aspect) << c.width << "x" << c.height;
        EXPECT_EQ(120.0, view.perspective.fieldOfView);
        EXPECT_EQ(100.0, view.perspective.farPlane);
        EXPECT_EQ(0.10000000149011612, view.perspective.nearPlane);
    }
}

TEST(SceneLayout, StartupProjectionIsSquareAndReachesTwoHundred) {
    const Perspective p = startupPerspective();
    EXPECT_EQ(120.0, p.fieldOfView);
    EXPECT_EQ(1.0, p.aspect);
    EXPECT_EQ(0.10000000149011612, p.nearPlane);
    EXPECT_EQ(200.0, p.farPlane);
}

} // namespace velmora::scene

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
    const Perspective startup = startupPerspective();
    for (const Case& c : cases) {
        const ViewSetup view = viewForClient(c.width, c.height);
        EXPECT_EQ(c.width, view.width);
        EXPECT_EQ(c.viewportHeight, view.height);
        EXPECT_DOUBLE_EQ(c.aspect, view.perspective.aspect) << c.width << "x" << c.height;
        // Only the aspect follows the client; the lens is the start-up one, half as deep.
        EXPECT_EQ(startup.fieldOfView, view.perspective.fieldOfView);
        EXPECT_EQ(startup.nearPlane, view.perspective.nearPlane);
        EXPECT_EQ(startup.farPlane / 2.0, view.perspective.farPlane);
    }
}

TEST(SceneLayout, StartupProjectionIsSquareAndReachesTwoHundred) {
    const Perspective p = startupPerspective();
    EXPECT_EQ(120.0, p.fieldOfView);
    EXPECT_EQ(1.0, p.aspect);
    // The single-precision 0.1 widened, not the double 0.1.
    EXPECT_EQ(0.10000000149011612, p.nearPlane);
    EXPECT_EQ(200.0, p.farPlane);
}

} // namespace velmora::scene

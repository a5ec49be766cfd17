// The billboard particles: the random sequence, spawning, motion, the strict box and the quads
// handed to the canvas.
#include "renderer/scene/core/BillboardParticleSystem.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

namespace velmora::scene {
namespace {

// Records what the particles ask of the GL; the model-view matrix is set by the test.
class RecordingCanvas : public BillboardCanvas {
public:
    float matrix[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    std::vector<unsigned int> boundTextures;
    std::vector<BillboardQuad> quads;
    int quadsBeforeBind = 0;

    void readModelView(float out[16]) override {
        for (int i = 0; i < 16; ++i) {
            out[i] = matrix[i];
        }
    }
    void bindTexture(unsigned int texture) override { boundTextures.push_back(texture); }
    void drawQuad(const BillboardQuad& quad) override {
        quadsBeforeBind += boundTextures.empty() ? 1 : 0;
        quads.push_back(quad);
    }
};

void expectVector(const Vector3& expected, const Vector3& actual) {
    EXPECT_FLOAT_EQ(expected.x, actual.x);
    EXPECT_FLOAT_EQ(expected.y, actual.y);
    EXPECT_FLOAT_EQ(expected.z, actual.z);
}

class BillboardParticleSystemTest : public ::testing::Test {
protected:
    RecordingCanvas canvas;
    RandomSequence random;
    BillboardParticleSystem scene{4000, {0.0f, 0.0f, 15.0f}, 0.5f, 5.0f, 30.0f, 7, canvas, random};
};

// The value a fresh sequence gives after `draws` draws.
int valueAfter(int draws) {
    RandomSequence sequence;
    for (int i = 0; i < draws; ++i) {
        sequence.next();
    }
    return sequence.next();
}

} // namespace

// The scene's own box is checked face by face below; here an emitter off the origin with other
// extents, so that each face must follow its own spawn extent and the margin.
TEST_F(BillboardParticleSystemTest, BoxReachesTheFullSpawnExtentPlusTheMarginOnEachSide) {
    BillboardParticleSystem offCentre(1, {1.0f, 2.0f, 3.0f}, 0.25f, 2.0f, 1.0f, 0, canvas, random);
    const Vector3 faces[] = {{-0.25f, 2.0f, 3.0f}, {2.25f, 2.0f, 3.0f}, {1.0f, 1.0f, 3.0f},
                             {1.0f, 3.0f, 3.0f},   {1.0f, 2.0f, 0.0f},  {1.0f, 2.0f, 6.0f}};
    const Vector3 centre = offCentre.origin();
    for (const Vector3& face : faces) {
        // Just short of the face towards the emitter is inside, the face itself is not.
        const Vector3 within = face + (centre - face) * 0.01f;
        EXPECT_TRUE(offCentre.inside(within)) << within.x << ", " << within.y << ", " << within.z;
        EXPECT_FALSE(offCentre.inside(face)) << face.x << ", " << face.y << ", " << face.z;
    }
}

TEST_F(BillboardParticleSystemTest, ConstructionLeavesEveryParticleZero) {
    ASSERT_TRUE(scene.allocated());
    ASSERT_EQ(4000, scene.count());
    expectVector({}, scene.particle(3999).position);
    expectVector({}, scene.particle(0).velocity);
    EXPECT_EQ(0.0f, scene.particle(0).red);
    EXPECT_EQ(41, random.next()) << "construction must not draw";
}

TEST_F(BillboardParticleSystemTest, ParticleZeroSpawnsFromTheFirstEightDraws) {
    scene.resetAll();
    const Particle& p = scene.particle(0);
    expectVector({-0.0165f, 0.0f, 12.705f}, p.position);
    expectVector({-0.000331f, 0.0f, -0.000166f}, p.velocity);
    expectVector({}, p.acceleration);
    EXPECT_FLOAT_EQ(0.724f, p.red);
    EXPECT_FLOAT_EQ(0.478f, p.green);
    EXPECT_FLOAT_EQ(0.358f, p.blue);
}

TEST_F(BillboardParticleSystemTest, SpawnsStayInTheHalfExtentsAroundTheEmitter) {
    scene.resetAll();
    for (std::int32_t i = 0; i < scene.count(); ++i) {
        const Particle& p = scene.particle(i);
        ASSERT_GE(p.position.x, -0.25f);
        ASSERT_LE(p.position.x, 0.2495f);
        ASSERT_EQ(0.0f, p.position.y);
        ASSERT_GE(p.position.z, 12.5f);
        ASSERT_LE(p.position.z, 17.495f);
        ASSERT_GE(p.velocity.y, -0.0002495f);
        ASSERT_LE(p.velocity.y, 0.00025f);
        ASSERT_LT(p.red, 1.0f);
    }
}

TEST_F(BillboardParticleSystemTest, UpdateMovesByVelocityTimesStep) {
    scene.resetAll();
    const Vector3 spawned = scene.particle(0).position;
    scene.update(350);
    const Vector3 moved = scene.particle(0).position;
    EXPECT_NEAR(-0.13235, moved.x, 1e-5);
    EXPECT_EQ(0.0f, moved.y);
    EXPECT_NEAR(12.6469, moved.z, 1e-4);
    // Rounded to float at each step: position + (350 * velocity).
    const float vx = scene.particle(0).velocity.x;
    EXPECT_EQ(spawned.x + 350.0f * vx, moved.x);
}

// A coordinate exactly on a face is outside: with a margin of 0 every spawn lies on the y faces,
// so each update respawns every particle and draws eight more values for each.
TEST_F(BillboardParticleSystemTest, ParticleOnABoxFaceRespawnsAtOnce) {
    RandomSequence flatDraws;
    BillboardParticleSystem flat(2, {0.0f, 0.0f, 15.0f}, 0.5f, 5.0f, 0.0f, 0, canvas, flatDraws);
    flat.resetAll();
    flat.update(0);
    EXPECT_EQ(valueAfter(8 * 2 * 2), flatDraws.next());

    RandomSequence roomyDraws;
    BillboardParticleSystem roomy(2, {0.0f, 0.0f, 15.0f}, 0.5f, 5.0f, 1.0f, 0, canvas, roomyDraws);
    roomy.resetAll();
    roomy.update(0);
    EXPECT_EQ(valueAfter(8 * 2), roomyDraws.next());
}

TEST_F(BillboardParticleSystemTest, InsideIsStrictOnEveryFace) {
    struct Case {
        Vector3 point;
        bool inside;
    };
    const Case cases[] = {
        {{0.0f, 0.0f, 15.0f}, true},         {{-30.5f, 0.0f, 15.0f}, false},
        {{30.5f, 0.0f, 15.0f}, false},       {{0.0f, -30.0f, 15.0f}, false},
        {{0.0f, 30.0f, 15.0f}, false},       {{0.0f, 0.0f, -20.0f}, false},
        {{0.0f, 0.0f, 50.0f}, false},        {{30.49f, 29.99f, 49.99f}, true},
        {{-30.49f, -29.99f, -19.99f}, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.inside, scene.inside(c.point))
            << c.point.x << ", " << c.point.y << ", " << c.point.z;
    }
}

TEST(BillboardCorners, FollowTheScreenAxesInWorldSpace) {
    // A model-view turned 90 degrees about y: screen x is world -z... read from the matrix rows.
    const float turned[16] = {0, 0, 1, 0, 0, 1, 0, 0, -1, 0, 0, 0, 0, 0, 0, 1};
    const BillboardCorners c = billboardCorners(turned, 1.5f);
    // right = (m0, m4, m8) = (0, 0, -1); up = (m1, m5, m9) = (0, 1, 0).
    expectVector({0.0f, 1.5f, 1.5f}, c.topLeft);
    expectVector({0.0f, -1.5f, 1.5f}, c.bottomLeft);
    expectVector({0.0f, 1.5f, -1.5f}, c.topRight);
    expectVector({0.0f, -1.5f, -1.5f}, c.bottomRight);

    const float scaled[16] = {2, 0, 0, 0, 0, 0.5f, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    const BillboardCorners s = billboardCorners(scaled, 1.0f);
    expectVector({-2.0f, 0.5f, 0.0f}, s.topLeft);
    expectVector({2.0f, -0.5f, 0.0f}, s.bottomRight);
}

TEST_F(BillboardParticleSystemTest, DrawBindsOnceAndHandsEveryParticleItsSquare) {
    scene.resetAll();
    scene.draw();
    ASSERT_THAT(canvas.boundTextures, ::testing::ElementsAre(7u));
    EXPECT_EQ(0, canvas.quadsBeforeBind);
    ASSERT_EQ(4000u, canvas.quads.size());
    const BillboardQuad& q = canvas.quads[0];
    EXPECT_FLOAT_EQ(0.724f, q.red);
    EXPECT_FLOAT_EQ(0.478f, q.green);
    EXPECT_FLOAT_EQ(0.358f, q.blue);
    // Identity view: right = +x, up = +y, half size 1.5.
    expectVector({-0.0165f - 1.5f, 1.5f, 12.705f}, q.topLeft);
    expectVector({-0.0165f - 1.5f, -1.5f, 12.705f}, q.bottomLeft);
    expectVector({-0.0165f + 1.5f, 1.5f, 12.705f}, q.topRight);
    expectVector({-0.0165f + 1.5f, -1.5f, 12.705f}, q.bottomRight);
    expectVector(scene.particle(3999).position + Vector3(1.5f, -1.5f, 0.0f),
                 canvas.quads[3999].bottomRight);
}

TEST(RandomSequence, StartsWithTheFixedSequence) {
    RandomSequence sequence;
    const int expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};
    for (int value : expected) {
        EXPECT_EQ(value, sequence.next());
    }
}

TEST(RandomSequence, StaysInFifteenBitsOverAWrapOfTheState) {
    RandomSequence sequence;
    int largest = 0;
    for (int i = 0; i < 100000; ++i) {
        const int value = sequence.next();
        ASSERT_GE(value, 0);
        largest = value > largest ? value : largest;
    }
    EXPECT_EQ(32767, largest);
}

TEST(RandomSequence, DrawsAreThousandthsOfTheSameSequence) {
    RandomSequence sequence;
    EXPECT_EQ(41, sequence.next());
    // 18467 % 1000 and 6334 % 1000, divided in single precision.
    EXPECT_EQ(467.0f / 1000.0f, sequence.nextDraw());
    EXPECT_EQ(334.0f / 1000.0f, sequence.nextDraw());
    EXPECT_EQ(0.5f, sequence.nextDraw());
}

} // namespace velmora::scene

// The hack's scene on a real X screen with Mesa's GL, 16 bits deep like the Windows renderer's
// mode: the shared scene drawn through the hack's context code, frame for frame the Windows one,
// released and started again, and its glows of one shape on every window. Before the X headers,
// whose macros (None, Bool) clash with its names.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "renderer/scene/Scene.h"
#include "renderer/x11/HackScene.h"
#include "renderer/x11/HackWindow.h"
#include "tests/renderer/x11/ForeignWindow.h"
#include "tests/support/BackBuffer.h"
#include "tests/support/FrameSignature.h"

namespace velmora::x11 {
namespace {

constexpr int kSceneWidth = 256;
constexpr int kSceneHeight = 192;

// The hack's context on a foreign window of the scene's test size.
std::string openSceneWindow(const ForeignWindow& target, HackWindow& hack) {
    HackOptions options;
    options.target = DrawTarget::GivenWindow;
    options.windowId = target.id();
    return openHackWindow(options, hack);
}

// The angles and every particle's place after ten more frames.
std::vector<float> stateAfterTenFrames(scene::SceneState& scene) {
    for (int frame = 0; frame < 10; ++frame) {
        scene::drawScene(scene);
    }
    std::vector<float> state{scene.angles.x, scene.angles.y, scene.angles.z};
    for (std::int32_t i = 0; i < scene.particles->count(); ++i) {
        const scene::Vector3& at = scene.particles->particle(i).position;
        state.insert(state.end(), {at.x, at.y, at.z});
    }
    return state;
}

int litPixels(const std::vector<unsigned char>& pixels) {
    int lit = 0;
    for (std::size_t i = 0; i < pixels.size(); i += 3) {
        lit += std::max({pixels[i], pixels[i + 1], pixels[i + 2]}) > 8 ? 1 : 0;
    }
    return lit;
}

// The shape of the scene's glows: for each bright peak that stands alone (brightness falling
// away from it on all four sides), its extent at half its brightness along its row and column;
// the summed widths over the summed heights of all of them.
double glowWidthOverHeight(const std::vector<unsigned char>& pixels, int width, int height) {
    const auto level = [&](int x, int y) {
        const std::size_t at = static_cast<std::size_t>((y * width + x) * 3);
        return std::max({pixels[at], pixels[at + 1], pixels[at + 2]});
    };
    // Steps from the peak while at least half as bright, brightness never rising; -1 when the
    // glow meets another one or the edge first.
    const auto halfExtent = [&](int x, int y, int dx, int dy) {
        const int half = level(x, y) / 2;
        int steps = 0;
        for (int last = level(x, y);; ++steps) {
            x += dx;
            y += dy;
            if (x < 0 || y < 0 || x >= width || y >= height || level(x, y) > last) {
                return -1;
            }
            last = level(x, y);
            if (last < half) {
                return steps;
            }
        }
    };
    long widths = 0;
    long heights = 0;
    for (int y = 1; y + 1 < height; ++y) {
        for (int x = 1; x + 1 < width; ++x) {
            if (level(x, y) < 96 || level(x - 1, y) >= level(x, y) ||
                level(x, y - 1) >= level(x, y)) {
                continue;
            }
            const int extents[] = {halfExtent(x, y, -1, 0), halfExtent(x, y, 1, 0),
                                   halfExtent(x, y, 0, -1), halfExtent(x, y, 0, 1)};
            if (std::min({extents[0], extents[1], extents[2], extents[3]}) < 1) {
                continue;
            }
            widths += 1 + extents[0] + extents[1];
            heights += 1 + extents[2] + extents[3];
        }
    }
    return heights > 0 ? static_cast<double>(widths) / static_cast<double>(heights) : 0.0;
}

} // namespace

TEST(HackScene, FirstFrameIsBlackAndTheStreamSwingsIntoView) {
    ForeignWindow target(kSceneWidth, kSceneHeight);
    HackWindow hack;
    ASSERT_EQ("", openSceneWindow(target, hack));
    EXPECT_EQ(kSceneWidth, hack.width);
    scene::SceneState scene;
    ASSERT_TRUE(startHackScene(scene, hack.width, hack.height));
    scene::drawScene(scene);
    EXPECT_EQ(0, litPixels(testing::readBackBuffer(kSceneWidth, kSceneHeight)));
    for (int frame = 2; frame <= 150; ++frame) {
        scene::drawScene(scene);
    }
    // The same frame as the Windows renderer's after as many steps.
    const std::vector<unsigned char> pixels = testing::readBackBuffer(kSceneWidth, kSceneHeight);
    EXPECT_GT(litPixels(pixels), kSceneWidth * kSceneHeight / 20);
    const testing::FrameSignature signature =
        testing::frameSignature(pixels, kSceneWidth, kSceneHeight);
    const testing::FrameSignature windows =
        testing::readSignatureFile(VELMORA_SOURCE_DIR "/tests/renderer/scene/SceneFrame150.txt");
    EXPECT_LE(testing::largestBlockDifference(signature, windows),
              testing::kSameFrameBlockDifference)
        << "this frame's signature:\n"
        << testing::signatureText(signature);
    scene::freeScene(scene);
    closeHackWindow(hack);
}

// Free gives the texture back and starts the animation over: a second start on the same state
// runs through the very same states.
TEST(HackScene, FreeReleasesTheTextureAndAnotherStartRepeatsTheFrames) {
    ForeignWindow target(kSceneWidth, kSceneHeight);
    HackWindow hack;
    ASSERT_EQ("", openSceneWindow(target, hack));
    scene::SceneState scene;
    scene::resizeScene(hack.width, hack.height);
    ASSERT_TRUE(scene::initScene(scene, *starPicture()));
    const unsigned int texture = scene.texture;
    EXPECT_TRUE(glIsTexture(texture));
    const std::vector<float> first = stateAfterTenFrames(scene);

    scene::freeScene(scene);
    EXPECT_FALSE(glIsTexture(texture));
    EXPECT_EQ(0u, scene.texture);
    EXPECT_EQ(nullptr, scene.particles);
    ASSERT_TRUE(scene::initScene(scene, *starPicture()));
    EXPECT_EQ(first, stateAfterTenFrames(scene));
    scene::freeScene(scene);
    closeHackWindow(hack);
}

// The glows a third wider than tall, as on the Windows run's 4:3 screen, and of that same shape on
// a 16:9 and a square window (stretched, they would be 1.78 and 1.0).
TEST(HackScene, GlowsKeepTheirShapeOnEveryWindow) {
    const auto shapeOn = [](int width, int height) {
        ForeignWindow target(width, height);
        HackOptions options;
        options.target = DrawTarget::GivenWindow;
        options.windowId = target.id();
        HackWindow hack;
        EXPECT_EQ("", openHackWindow(options, hack));
        scene::SceneState scene;
        EXPECT_TRUE(startHackScene(scene, hack.width, hack.height));
        for (int frame = 1; frame <= 150; ++frame) {
            scene::drawScene(scene);
        }
        const double shape =
            glowWidthOverHeight(testing::readBackBuffer(width, height), width, height);
        std::printf("glows on %d x %d: %.3f wide over high\n", width, height, shape);
        scene::freeScene(scene);
        closeHackWindow(hack);
        return shape;
    };
    const double fourByThree = shapeOn(512, 384);
    EXPECT_NEAR(4.0 / 3.0, fourByThree, 0.15);
    EXPECT_NEAR(1.0, shapeOn(682, 384) / fourByThree, 0.1) << "16:9";
    EXPECT_NEAR(1.0, shapeOn(384, 384) / fourByThree, 0.1) << "square";
}

} // namespace velmora::x11

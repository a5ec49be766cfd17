// The starfield drawn for real by the GL in a hidden window with the saver's star picture: the
// first frame is black, as the emitter starts outside the view, and later frames show many
// tinted stars; frame 150 is the reference the X11 hack's frame is held to. And the texture the
// scene makes of its picture.
#include "renderer/bitmap/DibReader.h"
#include "renderer/scene/Scene.h"
// Before the GL header, which needs the platform's declarations.
#include "renderer/window/RendererWindow.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <numeric>
#include <optional>
#include <vector>

#include "tests/support/BackBuffer.h"
#include "tests/support/BuiltFile.h"
#include "tests/support/FrameSignature.h"

namespace velmora::scene {
namespace {

// A quarter of the real size each way: the same picture, a sixteenth of the fill work.
constexpr int kWidth = 256;
constexpr int kHeight = 192;

struct PixelCounts {
    int lit = 0;
    // Pixels whose channels differ clearly: stars tinted rather than grey.
    int tinted = 0;
    // Tinted pixels by their strongest channel: random tints lean every way.
    int leaning[3] = {};
};

// A hidden window with the renderer's pixel format and a current context.
class HiddenGlWindow {
public:
    HiddenGlWindow() {
        WNDCLASSA windowClass{};
        windowClass.style = CS_OWNDC;
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "SceneRenderTest";
        RegisterClassA(&windowClass);
        window_ = CreateWindowExA(0, "SceneRenderTest", "scene", WS_POPUP, 0, 0, kWidth, kHeight,
                                  nullptr, nullptr, windowClass.hInstance, nullptr);
        dc_ = GetDC(window_);
        context_ = window::setRendererPixelFormat(dc_, 16) ? wglCreateContext(dc_) : nullptr;
        ready_ = context_ && wglMakeCurrent(dc_, context_);
    }
    ~HiddenGlWindow() {
        wglMakeCurrent(nullptr, nullptr);
        wglDeleteContext(context_);
        ReleaseDC(window_, dc_);
        DestroyWindow(window_);
    }
    bool ready() const { return ready_; }

private:
    HWND window_ = nullptr;
    HDC dc_ = nullptr;
    HGLRC context_ = nullptr;
    bool ready_ = false;
};

PixelCounts countPixels(const std::vector<unsigned char>& pixels) {
    PixelCounts counts;
    for (std::size_t i = 0; i < pixels.size(); i += 3) {
        const int r = pixels[i];
        const int g = pixels[i + 1];
        const int b = pixels[i + 2];
        const int high = std::max({r, g, b});
        const int low = std::min({r, g, b});
        counts.lit += high > 8 ? 1 : 0;
        if (high - low > 24) {
            ++counts.tinted;
            ++counts.leaning[r == high ? 0 : g == high ? 1 : 2];
        }
    }
    return counts;
}

} // namespace

TEST(SceneRender, FirstFrameIsBlackAndTheStreamSwingsIntoView) {
    HiddenGlWindow gl;
    ASSERT_TRUE(gl.ready());
    const std::optional<bitmap::RgbImage> star =
        bitmap::loadTextureBitmap(testing::sourceFile("saver\\assets\\star.bmp").c_str()).image;
    ASSERT_TRUE(star);
    SceneState scene;
    resizeScene(kWidth, kHeight);
    ASSERT_TRUE(initScene(scene, *star));
    ASSERT_TRUE(drawScene(scene));
    const PixelCounts first = countPixels(testing::readBackBuffer(kWidth, kHeight));
    EXPECT_EQ(0, first.lit);

    // By frame 150 the world has turned far enough for the stream to fill much of the view.
    for (int frame = 2; frame <= 150; ++frame) {
        ASSERT_TRUE(drawScene(scene));
    }
    const std::vector<unsigned char> pixels = testing::readBackBuffer(kWidth, kHeight);
    const PixelCounts later = countPixels(pixels);
    std::printf("frame 150: %d lit, %d tinted (%d red, %d green, %d blue)\n", later.lit,
                later.tinted, later.leaning[0], later.leaning[1], later.leaning[2]);
    EXPECT_GT(later.lit, kWidth * kHeight / 20);
    EXPECT_GT(later.tinted, kWidth * kHeight / 50);
    for (int channel : later.leaning) {
        EXPECT_GT(channel, 1000);
    }
    const testing::FrameSignature signature = testing::frameSignature(pixels, kWidth, kHeight);
    const testing::FrameSignature reference = testing::readSignatureFile(
        testing::sourceFile("tests\\renderer\\scene\\SceneFrame150.txt"));
    EXPECT_LE(testing::largestBlockDifference(signature, reference),
              testing::kSameFrameBlockDifference)
        << "this frame's signature:\n"
        << testing::signatureText(signature);
    freeScene(scene);
}

// Five pixels make 15-byte rows: the upload must not assume four-byte row alignment.
TEST(Scene, TheTextureHoldsThePictureWhateverItsRowLength) {
    HiddenGlWindow gl;
    ASSERT_TRUE(gl.ready());
    bitmap::RgbImage picture{5, 3, std::vector<unsigned char>(5 * 3 * 3)};
    std::iota(picture.pixels.begin(), picture.pixels.end(), 0);
    const unsigned int texture = uploadSceneTexture(picture);
    GLint width = 0, height = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    std::vector<unsigned char> texels(picture.pixels.size());
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, texels.data());
    glDeleteTextures(1, &texture);
    EXPECT_EQ(std::pair(5, 3), std::pair(width, height));
    EXPECT_EQ(picture.pixels, texels);
}

} // namespace velmora::scene

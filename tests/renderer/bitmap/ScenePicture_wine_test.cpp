// The scene picture and its texture on a real GL context: which texture bitmap is read, the size
// and texels of the texture made of it, the quiet failure without any bitmap and the box that
// tells of a damaged one.
#include "base/win32/TextureHandOff.h"
#include "contract/SharedNames.h"
#include "renderer/bitmap/DibReader.h"
#include "renderer/scene/Scene.h"
#include "tests/renderer/bitmap/BmpBuilder.h"
#include "tests/support/Files.h"
#include "tests/support/WindowWait.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <GL/gl.h>

#include <atomic>
#include <thread>

namespace velmora::bitmap {
namespace {

// A hidden window with a pixel format and a current GL context.
class GlContext {
public:
    GlContext() {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "VelmoraTextureTest";
        RegisterClassA(&windowClass);
        window_ = CreateWindowA("VelmoraTextureTest", "", WS_OVERLAPPEDWINDOW, 0, 0, 64, 64,
                                nullptr, nullptr, windowClass.hInstance, nullptr);
        dc_ = GetDC(window_);
        PIXELFORMATDESCRIPTOR format{};
        format.nSize = sizeof format;
        format.nVersion = 1;
        format.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
        format.iPixelType = PFD_TYPE_RGBA;
        format.cColorBits = 24;
        SetPixelFormat(dc_, ChoosePixelFormat(dc_, &format), &format);
        context_ = wglCreateContext(dc_);
        wglMakeCurrent(dc_, context_);
    }
    ~GlContext() {
        wglMakeCurrent(nullptr, nullptr);
        wglDeleteContext(context_);
        ReleaseDC(window_, dc_);
        DestroyWindow(window_);
        UnregisterClassA("VelmoraTextureTest", GetModuleHandleA(nullptr));
    }
    GlContext(const GlContext&) = delete;
    GlContext& operator=(const GlContext&) = delete;

    bool current() const { return context_ && wglGetCurrentContext() == context_; }

private:
    HWND window_ = nullptr;
    HDC dc_ = nullptr;
    HGLRC context_ = nullptr;
};

const std::string kRootPath = velmora::contract::kTexturePath;

std::string tempPath() {
    char folder[MAX_PATH + 1];
    GetTempPathA(sizeof folder, folder);
    return std::string(folder) + velmora::contract::kTextureFileName;
}

uint32_t pattern(int row, int x) {
    return static_cast<uint32_t>(row * 40 + x * 7) << 16 | 0x8000u | static_cast<uint32_t>(x * 30);
}

// A 24-bit bitmap of the given size and its expected texels, bottom row first.
std::vector<uint8_t> writeBitmap(const std::string& path, int width, int height) {
    BmpFields fields;
    fields.width = width;
    fields.height = height;
    fields.pixels = bgrRows(width, height, pattern);
    testing::writeBytes(path, buildBmp(fields));
    return rgbRows(width, height, pattern);
}

class ScenePictureTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(gl_.current());
        removeBitmaps();
    }
    void TearDown() override { removeBitmaps(); }

    static void removeBitmaps() {
        DeleteFileA(kRootPath.c_str());
        DeleteFileA(tempPath().c_str());
    }

    // Size and texels of a texture as the GL holds it.
    static std::vector<uint8_t> textureTexels(GLuint texture, GLint& width, GLint& height) {
        glBindTexture(GL_TEXTURE_2D, texture);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
        std::vector<uint8_t> texels(size_t(width) * height * 3);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, texels.data());
        return texels;
    }

    // Reads the scene picture and makes its texture, which must have this size and these texels.
    void expectTexture(int width, int height, const std::vector<uint8_t>& texels) {
        const std::optional<RgbImage> picture = loadScenePicture();
        ASSERT_TRUE(picture);
        const GLuint texture = scene::uploadSceneTexture(*picture);
        EXPECT_NE(texture, 0u);
        GLint actualWidth = 0;
        GLint actualHeight = 0;
        const auto actual = textureTexels(texture, actualWidth, actualHeight);
        glDeleteTextures(1, &texture);
        EXPECT_EQ(actualWidth, width);
        EXPECT_EQ(actualHeight, height);
        EXPECT_EQ(actual, texels);
    }

    GlContext gl_;
};

TEST_F(ScenePictureTest, ReadsRootBitmap) {
    const auto texels = writeBitmap(kRootPath, 32, 32);
    expectTexture(32, 32, texels);
}

// Gives a file a last-write time some minutes before now.
void backdate(const std::string& path, int minutes) {
    HANDLE file =
        CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER time{{now.dwLowDateTime, now.dwHighDateTime}};
    time.QuadPart -= 600000000ULL * minutes;
    const FILETIME then{time.LowPart, time.HighPart};
    SetFileTime(file, nullptr, nullptr, &then);
    CloseHandle(file);
}

TEST_F(ScenePictureTest, TheBitmapWrittenLastWins) {
    const auto rootTexels = writeBitmap(kRootPath, 16, 8);
    const auto temporaryTexels = writeBitmap(tempPath(), 32, 32);
    backdate(kRootPath, 10); // a stale root file that the saver could not replace
    expectTexture(32, 32, temporaryTexels);

    backdate(tempPath(), 20); // an old fallback left by an earlier run
    expectTexture(16, 8, rootTexels);
}

TEST_F(ScenePictureTest, ReadsTemporaryBitmapWithoutRootOne) {
    // Five pixels make 15-byte rows: the upload must not assume four-byte row alignment.
    const auto texels = writeBitmap(tempPath(), 5, 3);
    expectTexture(5, 3, texels);
}

TEST_F(ScenePictureTest, NoBitmapGivesNothingWithoutMessage) {
    const DibReading reading = loadTextureBitmap(win32::textureBitmapToRead().c_str());
    EXPECT_FALSE(reading.image);
    EXPECT_EQ(reading.message, "");
}

bool hasVisibleChild(HWND box, int id) {
    const HWND child = GetDlgItem(box, id);
    return child && IsWindowVisible(child);
}

// A damaged bitmap: one box captioned "Error" with the reader's text, only an OK button and no
// icon, and the loader waits until it is closed.
TEST_F(ScenePictureTest, ADamagedBitmapShowsTheReadersMessageInABox) {
    testing::writeBytes(kRootPath, {}); // an empty file cannot be mapped
    std::atomic<bool> returned = false;
    std::thread loader([&] {
        EXPECT_FALSE(loadScenePicture());
        returned = true;
    });
    const HWND box =
        testing::waitForWindow({.title = "Error", .className = "#32770"}, testing::Millis(5000));
    ASSERT_NE(box, nullptr);
    Sleep(100);
    EXPECT_FALSE(returned) << "the loader must wait for the box";
    char text[256] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    EXPECT_EQ(text, "Failed to open DIB file " + kRootPath + ".\n");
    EXPECT_TRUE(hasVisibleChild(box, IDOK));
    for (int other : {IDCANCEL, IDYES, IDNO, IDABORT, IDRETRY, IDIGNORE}) {
        EXPECT_FALSE(hasVisibleChild(box, other)) << "button " << other;
    }
    for (int icon : {20, 0x0440}) { // the icon slot of the platform's box and of Wine's
        const HWND child = GetDlgItem(box, icon);
        EXPECT_FALSE(child && IsWindowVisible(child) && SendMessageA(child, STM_GETICON, 0, 0));
    }
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    loader.join();
    EXPECT_TRUE(returned);
    EXPECT_EQ(FindWindowA("#32770", "Error"), nullptr) << "only one box per call";
}

} // namespace
} // namespace velmora::bitmap

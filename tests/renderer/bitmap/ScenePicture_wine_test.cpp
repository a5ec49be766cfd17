// The scene picture: which texture bitmap is read and its pixels, and the box that tells of a
// damaged one.
#include "contract/SharedNames.h"
#include "renderer/bitmap/DibReader.h"
#include "tests/renderer/bitmap/BmpBuilder.h"
#include "tests/support/Files.h"
#include "tests/support/WindowWait.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <thread>

namespace velmora::bitmap {
namespace {

const std::string kRootPath = velmora::contract::kTexturePath;

std::string tempPath() {
    return testing::temporaryPath(velmora::contract::kTextureFileName);
}

uint32_t pattern(int row, int x) {
    return static_cast<uint32_t>(row * 40 + x * 7) << 16 | 0x8000u | static_cast<uint32_t>(x * 30);
}

// A 24-bit bitmap of the given size and its expected pixels, bottom row first.
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
    void SetUp() override { removeBitmaps(); }
    void TearDown() override { removeBitmaps(); }

    static void removeBitmaps() {
        DeleteFileA(kRootPath.c_str());
        DeleteFileA(tempPath().c_str());
    }

    // Reads the scene picture, which must have this size and these pixels.
    static void expectPicture(int width, int height, const std::vector<uint8_t>& pixels) {
        const std::optional<RgbImage> picture = loadScenePicture();
        ASSERT_TRUE(picture);
        EXPECT_EQ(picture->width, width);
        EXPECT_EQ(picture->height, height);
        EXPECT_EQ(picture->pixels, pixels);
    }
};

TEST_F(ScenePictureTest, ReadsRootBitmap) {
    const auto pixels = writeBitmap(kRootPath, 32, 32);
    expectPicture(32, 32, pixels);
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
    const auto rootPixels = writeBitmap(kRootPath, 16, 8);
    const auto temporaryPixels = writeBitmap(tempPath(), 32, 32);
    backdate(kRootPath, 10); // a stale root file that the saver could not replace
    expectPicture(32, 32, temporaryPixels);

    backdate(tempPath(), 20); // an old fallback left by an earlier run
    expectPicture(16, 8, rootPixels);
}

TEST_F(ScenePictureTest, ReadsTemporaryBitmapWithoutRootOne) {
    const auto pixels = writeBitmap(tempPath(), 5, 3);
    expectPicture(5, 3, pixels);
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

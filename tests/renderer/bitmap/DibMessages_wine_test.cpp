// The default message sink: a real box captioned "Error" with the reader's text, only an OK
// button and no icon, and readDibFile waits until it is closed.
#include "renderer/bitmap/DibReader.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <thread>

#include "tests/support/WindowWait.h"

namespace velmora::bitmap {
namespace {

bool hasVisibleChild(HWND box, int id) {
    const HWND child = GetDlgItem(box, id);
    return child && IsWindowVisible(child);
}

// The box keeps its icon slot; without an icon it holds none.
bool showsIcon(HWND box, int id) {
    const HWND child = GetDlgItem(box, id);
    return child && IsWindowVisible(child) && SendMessageA(child, STM_GETICON, 0, 0) != 0;
}

TEST(DibMessageBoxTest, ShowsOkOnlyBoxWithoutIcon) {
    std::atomic<bool> returned = false;
    std::thread reader([&] {
        readDibFile("Z:\\no\\such\\Vantri.bmp");
        returned = true;
    });
    const HWND box =
        testing::waitForWindow({.title = "Error", .className = "#32770"}, testing::Millis(5000));
    ASSERT_NE(box, nullptr);
    Sleep(100);
    EXPECT_FALSE(returned) << "the reader must wait for the box";

    char text[256] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    EXPECT_STREQ(text, "Failed to open DIB file Z:\\no\\such\\Vantri.bmp.\n");
    EXPECT_TRUE(hasVisibleChild(box, IDOK));
    for (int other : {IDCANCEL, IDYES, IDNO, IDABORT, IDRETRY, IDIGNORE}) {
        EXPECT_FALSE(hasVisibleChild(box, other)) << "button " << other;
    }
    for (int icon : {20, 0x0440}) { // the icon slot of the platform's box and of Wine's
        EXPECT_FALSE(showsIcon(box, icon));
    }

    PostMessageA(box, WM_COMMAND, IDOK, 0);
    reader.join();
    EXPECT_TRUE(returned);
    EXPECT_EQ(FindWindowA("#32770", "Error"), nullptr) << "only one box per call";
}

} // namespace
} // namespace velmora::bitmap

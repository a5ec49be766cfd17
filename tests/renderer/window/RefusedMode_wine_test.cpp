// Velmora.dll on a screen that refuses its display mode: it asks whether to run in a window,
// closes with a message on No and runs in a captioned window on Yes, never touching the mode.
// Runs on the test environment's second screen, whose depth cannot be switched to 16 bits.
#include "contract/SharedNames.h"
#include "tests/renderer/window/RendererProcess.h"

#include <gtest/gtest.h>

#include <string>

namespace velmora::window {
namespace {

using testing::Millis;

// The static text of a message box carries this control id.
constexpr int kMessageTextId = 0xFFFF;

std::string messageText(HWND box) {
    char text[256] = {};
    GetDlgItemTextA(box, kMessageTextId, text, sizeof text);
    return text;
}

void answer(HWND box, int button) {
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, button)));
}

class RefusedModeTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(writeTextureBitmap());
        before_ = currentDisplayMode();
        ASSERT_NE(16u, before_.dmBitsPerPel) << "this screen must refuse the renderer's mode";
    }
    void TearDown() override {
        const DEVMODEA after = currentDisplayMode();
        EXPECT_EQ(before_.dmPelsWidth, after.dmPelsWidth);
        EXPECT_EQ(before_.dmPelsHeight, after.dmPelsHeight);
        EXPECT_EQ(before_.dmBitsPerPel, after.dmBitsPerPel);
        removeTextureBitmaps();
    }

    // The question comes first; the first start on a fresh prefix can take a while.
    static HWND waitForQuestion(const RendererProcess& renderer) {
        HWND question = renderer.waitForWindow(
            {.title = contract::kRefusedModeCaption, .className = "#32770"}, Millis(30000));
        EXPECT_EQ("The Requested Fullscreen Mode Is Not Supported By\nYour Video Card. Use "
                  "Windowed Mode Instead?",
                  messageText(question));
        return question;
    }

    DEVMODEA before_{};
};

} // namespace

TEST_F(RefusedModeTest, NoClosesWithAMessageAndNeverOpensTheWindow) {
    RendererProcess renderer;
    ASSERT_TRUE(renderer.started());
    HWND question = waitForQuestion(renderer);
    ASSERT_NE(nullptr, question);
    EXPECT_EQ(nullptr, FindWindowA(nullptr, contract::kRendererWindowTitle));
    answer(question, IDNO);

    HWND notice = renderer.waitForWindow({.title = "ERROR", .className = "#32770"}, Millis(5000));
    ASSERT_NE(nullptr, notice);
    EXPECT_EQ("Program Will Now Close.", messageText(notice));
    EXPECT_EQ(nullptr, FindWindowA(nullptr, contract::kRendererWindowTitle));
    answer(notice, IDOK);

    bool windowSeen = false;
    while (renderer.running()) {
        windowSeen = windowSeen || FindWindowA(nullptr, contract::kRendererWindowTitle) != nullptr;
        Sleep(5);
    }
    ASSERT_TRUE(renderer.waitForExit(Millis(5000)));
    EXPECT_EQ(0u, renderer.exitCode());
    EXPECT_FALSE(windowSeen);
}

TEST_F(RefusedModeTest, YesRunsInACaptionedWindowAtTheTopLeft) {
    RendererProcess renderer;
    ASSERT_TRUE(renderer.started());
    HWND question = waitForQuestion(renderer);
    ASSERT_NE(nullptr, question);
    answer(question, IDYES);

    HWND window = renderer.waitForWindow({.title = contract::kRendererWindowTitle}, Millis(10000));
    ASSERT_NE(nullptr, window);
    // Let the scene set up and a few frames pass before looking at the window.
    Sleep(500);
    ASSERT_TRUE(renderer.running());
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(1024, client.right - client.left);
    EXPECT_EQ(768, client.bottom - client.top);
    RECT outer{};
    GetWindowRect(window, &outer);
    EXPECT_EQ(0, outer.left);
    EXPECT_EQ(0, outer.top);
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    EXPECT_EQ(static_cast<LONG>(WS_CAPTION), style & WS_CAPTION);
    EXPECT_EQ(0, style & WS_POPUP);

    PostMessageA(window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(renderer.waitForExit(Millis(5000)));
    EXPECT_EQ(0u, renderer.exitCode());
}

} // namespace velmora::window

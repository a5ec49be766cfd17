// The settings dialog under the user's hands: the source chosen with any mouse button on a mark
// or its label, the repeat track typed, presses that click nothing, the keyboard and the close
// box; judged by the screen and the settings file left behind.
#include <gtest/gtest.h>

#include "DialogDriver.h"
#include "base/win32/PlatformText.h"
#include "saver/dialog/core/DialogLayout.h"
#include "tests/support/KeyTap.h"
#include "tests/support/ScreenCapture.h"

namespace velmora::dialog {

using testing::captureClient;
using testing::tapKey;

TEST_F(SettingsDialog, MarksAndLabelsChooseTheSourceWithAnyButtonAndCancelKeepsTheFile) {
    const std::string before = settingsText(" 1", " 3", "");
    const HWND dialog = open(before);
    ASSERT_NE(dialog, nullptr);
    expectSourceLook(dialog, {1, true, false}, "dialog-audio-cd-loaded");
    EXPECT_EQ(repeatBoxText(dialog), L"3");
    const RECT repeatField = areaOf(layout::kRepeat);
    EXPECT_GT(countNear(captureClient(dialog), repeatField, kWhite, 4), 100) << "white repeat box";

    struct Step {
        ControlLayout target;
        bool rightButton;
        SourceLook look;
        const char* shot;
    };
    const Step steps[] = {
        {layout::kLabelFile, true, {2, false, true}, "dialog-music-file"},
        {layout::kMarkNone, false, {0, false, false}, "dialog-no-music-chosen"},
        {layout::kMarkCd, true, {1, true, false}, "dialog-audio-cd"},
        {layout::kLabelNone, false, {0, false, false}, "dialog-no-music-by-label"},
        {layout::kMarkFile, false, {2, false, true}, "dialog-music-file-by-mark"},
        {layout::kLabelCd, false, {1, true, false}, "dialog-audio-cd-by-label"},
    };
    for (const Step& step : steps) {
        click(dialog, pointIn(step.target), step.rightButton);
        expectSourceLook(dialog, step.look, step.shot);
    }

    click(dialog, pointIn(layout::kCancel));
    EXPECT_TRUE(run->endsWithin(5000));
    EXPECT_EQ(savedSettings(), before);
}

TEST_F(SettingsDialog, SavingStoresTheTypedRepeatTrackAndZeroForAnythingElse) {
    struct Case {
        std::wstring typed;
        int stored;
    };
    // A number beyond 16 bits is stored as 0 instead of ending the program.
    const Case cases[] = {{L"7", 7}, {L"2.5", 2}, {L"99999", 0}, {L"abc", 0}};
    for (const Case& c : cases) {
        const HWND dialog = open(settingsText(" 0", " 0", ""));
        ASSERT_NE(dialog, nullptr);
        click(dialog, pointIn(layout::kLabelCd));
        click(dialog, pointIn(layout::kRepeat));
        typeText(c.typed);
        click(dialog, pointIn(layout::kSet));
        ASSERT_TRUE(run->endsWithin(5000)) << "typed " << win32::toAnsi(win32::fromWide(c.typed));
        expectSavedFile(savedSettings(), 1, c.stored, "");
    }
}

TEST_F(SettingsDialog, TheCloseBoxStoresNothingAndEnterOrEscapePressNoButton) {
    const std::string before = settingsText(" 0", " 0", "");
    const HWND dialog = open(before);
    ASSERT_NE(dialog, nullptr);
    click(dialog, pointIn(layout::kLabelCd));

    // With the focus where the dialog put it, and with it moved on to each button in turn.
    for (int tabs = 0; tabs < 5; ++tabs) {
        tapKey(VK_RETURN);
        settle();
        tapKey(VK_ESCAPE);
        settle();
        ASSERT_TRUE(IsWindow(dialog)) << "after " << tabs << " tabs";
        tapKey(VK_TAB);
        settle();
    }
    EXPECT_EQ(savedSettings(), before);

    // The close box sits at the right end of the caption bar.
    RECT window{};
    GetWindowRect(dialog, &window);
    POINT closeBox{window.right - GetSystemMetrics(SM_CXFIXEDFRAME) - 8,
                   window.top + GetSystemMetrics(SM_CYFIXEDFRAME) +
                       GetSystemMetrics(SM_CYCAPTION) / 2};
    SetCursorPos(closeBox.x, closeBox.y);
    settle(150);
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    settle(100);
    mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    EXPECT_TRUE(run->endsWithin(5000));
    EXPECT_EQ(savedSettings(), before);
}

// One press, one owner: a press on "ｷｬﾝｾﾙ" released over "設定" clicks neither, with any
// mouse button; the dialog stays open and nothing is written.
TEST_F(SettingsDialog, APressOnCancelReleasedOverSetClicksNothing) {
    const std::string before = settingsText(" 0", " 0", "");
    const HWND dialog = open(before);
    ASSERT_NE(dialog, nullptr);
    const struct {
        const char* name;
        DWORD down;
        DWORD up;
    } buttons[] = {{"right", MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP},
                   {"middle", MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP},
                   {"left", MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP}};
    for (const auto& button : buttons) {
        drag(dialog, pointIn(layout::kCancel), pointIn(layout::kSet), button.down, button.up);
        settle(300);
        ASSERT_TRUE(IsWindow(dialog)) << button.name;
        EXPECT_EQ(savedSettings(), before) << button.name;
        // Released outside every button, it clicks nothing either.
        drag(dialog, pointIn(layout::kCancel), {4, 4}, button.down, button.up);
        ASSERT_TRUE(IsWindow(dialog)) << button.name << " released on the form";
    }
    // The buttons still click as before.
    click(dialog, pointIn(layout::kCancel), true);
    EXPECT_TRUE(run->endsWithin(5000));
    EXPECT_EQ(savedSettings(), before);
}

} // namespace velmora::dialog

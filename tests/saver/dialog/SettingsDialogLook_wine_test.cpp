// The settings dialog as it shows itself: the real "Velmora.scr /c" in a folder of its own,
// judged by its window, the pixels on the screen and the pointer; and both programs' awareness
// of the screen's dots per inch, down to the dialog at 144 dpi.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "DialogDriver.h"
#include "base/Twips.h"
#include "base/win32/PlatformText.h"
#include "contract/SharedNames.h"
#include "saver/dialog/core/DialogLayout.h"
#include "saver/dialog/core/SineGradient.h"
#include "saver/forms/Screen.h"
#include "tests/support/BuiltFile.h"
#include "tests/support/Files.h"
#include "tests/support/MessagePump.h"
#include "tests/support/ScreenCapture.h"

namespace velmora::dialog {

namespace {

using testing::captureClient;
using testing::Millis;
using testing::writeText;

Rgb toRgb(RowColour colour) {
    return {colour.red, colour.green, colour.blue};
}

} // namespace

TEST_F(SettingsDialog, OpensCentredWithGradientsMarksButtonsAndTexts) {
    const HWND dialog = open(settingsText(" 0", " 0", ""));
    ASSERT_NE(dialog, nullptr);

    RECT window{}, client{};
    GetWindowRect(dialog, &window);
    GetClientRect(dialog, &client);
    EXPECT_EQ(client.right,
              base::pixelsFromTwips(kClientWidthTwips, forms::screenTwipsPerPixelX()));
    EXPECT_EQ(client.bottom,
              base::pixelsFromTwips(kClientHeightTwips, forms::screenTwipsPerPixelY()));
    const double perPixelX = forms::screenTwipsPerPixelX();
    const double perPixelY = forms::screenTwipsPerPixelY();
    const TwipsPoint corner =
        dialogCorner(static_cast<int>(GetSystemMetrics(SM_CXSCREEN) * perPixelX),
                     static_cast<int>(GetSystemMetrics(SM_CYSCREEN) * perPixelY),
                     static_cast<int>((window.right - window.left) * perPixelX),
                     static_cast<int>((window.bottom - window.top) * perPixelY));
    EXPECT_EQ(window.left, base::pixelsFromTwips(corner.x, perPixelX));
    EXPECT_EQ(window.top, base::pixelsFromTwips(corner.y, perPixelY));

    const forms::PixelImage shot = captureClient(dialog);
    keepScreenshot(shot, "dialog-opened");
    ASSERT_EQ(shot.height, client.bottom);

    // Both gradients, in a column that no control covers: top, middle and bottom rows.
    const auto formLevels = sineGradientLevels(shot.height);
    for (int y : {0, shot.height / 2, shot.height - 1}) {
        EXPECT_TRUE(closeTo(colourAt(shot, 4, y), toRgb(formRowColour(formLevels[y]))))
            << "form row " << y;
    }
    const base::PixelRect panel = pixels(layout::kPanel);
    const auto panelLevels = sineGradientLevels(panel.height);
    for (int y : {0, panel.height / 2, panel.height - 1}) {
        EXPECT_TRUE(closeTo(colourAt(shot, panel.left + 4, panel.top + y),
                            toRgb(panelRowColour(panelLevels[y]))))
            << "panel row " << y;
    }

    // "なし" chosen, the repeat box and "..." off, the closing buttons ready.
    expectSourceLook(dialog, {0, false, false}, "dialog-no-music");
    EXPECT_TRUE(closeTo(frameColour(shot, layout::kSet), kFrameNormal));
    EXPECT_TRUE(closeTo(frameColour(shot, layout::kCancel), kFrameNormal));

    // Dark text on the panel, white text on the dark lower band of the form.
    for (const ControlLayout& label : {layout::kHeading, layout::kLabelNone, layout::kLabelCd,
                                       layout::kLabelFile, layout::kRepeatCaption}) {
        EXPECT_GT(countNear(shot, areaOf(label), kBlack, 60), 8) << label.name << label.index;
    }
    for (const ControlLayout& label : {layout::kCredit, layout::kUrl}) {
        EXPECT_GT(countNear(shot, areaOf(label), kWhite, 30), 20) << label.name;
    }

    // Uncovered, the dialog shows the same picture again: gradients, texts, marks and all.
    HWND cover = CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"",
                                 WS_POPUP | WS_VISIBLE | SS_BLACKRECT, window.left, window.top, 300,
                                 200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    testing::pumpMessages(Millis(500));
    ASSERT_NE(captureClient(dialog).pixels, shot.pixels) << "the cover did not cover";
    DestroyWindow(cover);
    testing::pumpMessages(Millis(500));
    const forms::PixelImage uncovered = captureClient(dialog);
    EXPECT_EQ(uncovered.pixels, shot.pixels) << "the picture changed after it was uncovered";

    // The link shows the hand over it and the arrow off it.
    const auto pointerAt = [dialog](POINT point) {
        moveMouse(dialog, point);
        CURSORINFO info{};
        info.cbSize = sizeof(info);
        GetCursorInfo(&info);
        return info.hCursor;
    };
    const HCURSOR offLink = pointerAt({4, 4});
    EXPECT_NE(pointerAt(pointIn(layout::kUrl)), offLink);
    EXPECT_EQ(pointerAt({4, 4}), offLink);

    // The repeat list: an empty entry, then 1 to 30; no repeat shows as an empty text.
    HWND box = testing::findWindow({.className = "ComboBox", .parent = dialog});
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(SendMessageW(box, CB_GETCOUNT, 0, 0), 31);
    wchar_t entry[16] = {};
    SendMessageW(box, CB_GETLBTEXT, 30, reinterpret_cast<LPARAM>(entry));
    EXPECT_STREQ(entry, L"30");
    EXPECT_EQ(repeatBoxText(dialog), L"");
}

TEST_F(SettingsDialog, ASourceOutsideTheThreeShowsNoMarkAndIsStoredBackUnchanged) {
    const HWND dialog = open(settingsText(" 5", " 4", ""));
    ASSERT_NE(dialog, nullptr);
    expectSourceLook(dialog, {-1, false, false}, "dialog-unknown-source");
    EXPECT_EQ(repeatBoxText(dialog), L"4");

    click(dialog, pointIn(layout::kSet));
    ASSERT_TRUE(run->endsWithin(5000));
    expectSavedFile(savedSettings(), 5, 4, "");
}

// Both programs carry one application manifest, and it says no more than "system DPI aware":
// no common-controls version, no supported-OS entries, no other setting.
TEST(DpiAwareness, BothProgramsDeclareSystemDpiAwarenessAndNothingElse) {
    for (const char* program : {"Velmora.scr", contract::kRendererFileName}) {
        const HMODULE module = LoadLibraryExW(win32::toWide(testing::builtFile(program)).c_str(),
                                              nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module, nullptr) << program;
        int manifests = 0;
        EnumResourceNamesW(
            module, MAKEINTRESOURCEW(24),
            [](HMODULE, LPCWSTR, LPWSTR, LONG_PTR count) {
                ++*reinterpret_cast<int*>(count);
                return TRUE;
            },
            reinterpret_cast<LONG_PTR>(&manifests));
        EXPECT_EQ(manifests, 1) << program;
        const HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
        ASSERT_NE(found, nullptr) << program;
        const std::string manifest(
            static_cast<const char*>(LockResource(LoadResource(module, found))),
            SizeofResource(module, found));
        EXPECT_NE(manifest.find("<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/"
                                "WindowsSettings\">true</dpiAware>"),
                  std::string::npos)
            << program;
        for (const char* other : {"dependency", "compatibility", "supportedOS", "trustInfo",
                                  "dpiAwareness", "longPathAware", "activeCodePage"}) {
            EXPECT_EQ(manifest.find(other), std::string::npos) << program << ": " << other;
        }
        FreeLibrary(module);
    }
}

// The dialog at 144 dots per inch, measured in the screen's own pixels: 1.5 times its size
// and places at 96 dpi. Run by dpi144_test.sh in a prefix set to 144 dpi, which names the
// resolution in VELMORA_EXPECT_DPI.
TEST(DpiAwareness, At144DpiTheDialogIsOneAndAHalfTimesItsSize) {
    const char* expectedDpi = std::getenv("VELMORA_EXPECT_DPI");
    if (!expectedDpi) {
        GTEST_SKIP() << "run by dpi144_test.sh";
    }
    SetProcessDPIAware(); // so that this test sees the pixels the programs draw in
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    ASSERT_EQ(dpi, std::atoi(expectedDpi));

    Installation installation;
    const std::string song = installation.path("a.mp3");
    writeText(song, "ID3");
    writeText(installation.settingsFile(), settingsText(" 2", " 0", song));
    ConfigureRun run(installation);
    const HWND dialog = run.dialog();
    ASSERT_NE(dialog, nullptr);
    RECT client{};
    GetClientRect(dialog, &client);
    EXPECT_EQ(client.right, 744);
    EXPECT_EQ(client.bottom, 364);
    std::printf("[figures] 144 dpi dialog client area: %ld x %ld\n", client.right, client.bottom);

    // Every control with a window of its own at 1.5 times its rectangle at 96 dpi; at 144 dpi
    // this process's own scale (10 twips a pixel) gives exactly that. The combo box takes the
    // height of its text field.
    std::vector<RECT> children;
    EnumChildWindows(
        dialog,
        [](HWND child, LPARAM list) {
            RECT rect{};
            GetWindowRect(child, &rect);
            MapWindowPoints(nullptr, GetAncestor(child, GA_ROOT), reinterpret_cast<POINT*>(&rect),
                            2);
            reinterpret_cast<std::vector<RECT>*>(list)->push_back(rect);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&children));
    for (const ControlLayout& control :
         {layout::kPanel, layout::kRepeat, layout::kFileButton, layout::kSet, layout::kCancel}) {
        const RECT design = areaOf(control);
        const bool ownHeight = control.name != std::string_view("BGM_Repeat");
        EXPECT_TRUE(std::any_of(children.begin(), children.end(),
                                [&](const RECT& child) {
                                    return std::abs(child.left - design.left) <= 1 &&
                                           std::abs(child.top - design.top) <= 1 &&
                                           std::abs(child.right - design.right) <= 1 &&
                                           (!ownHeight ||
                                            std::abs(child.bottom - design.bottom) <= 1);
                                }))
            << control.name << " not at " << design.left << ", " << design.top;
    }

    // Drawn at that scale: the faces of the buttons from their pictures, the marks, the texts.
    const forms::PixelImage shot = captureClient(dialog);
    keepScreenshot(shot, "dialog-144dpi");
    for (const ControlLayout& button : {layout::kFileButton, layout::kSet, layout::kCancel}) {
        const RECT area = areaOf(button);
        // Row 1 of the face picture, its frame, lands on row 2 once stretched 1.5 times.
        EXPECT_TRUE(
            closeTo(colourAt(shot, (area.left + area.right) / 2, area.top + 2), kFrameNormal))
            << button.name;
        // The caption, dark on the face's light middle.
        EXPECT_GT(countNear(shot, area, kBlack, 60), 8) << button.name << " caption";
    }
    // The marks are 12-pixel pictures shown at their natural size.
    EXPECT_TRUE(closeTo(markColour(shot, layout::kMarkFile), kMarkOn));
    EXPECT_TRUE(closeTo(markColour(shot, layout::kMarkNone), kMarkOff));
    for (const ControlLayout& label : {layout::kHeading, layout::kLabelNone, layout::kLabelCd,
                                       layout::kLabelFile, layout::kRepeatCaption}) {
        EXPECT_GT(countNear(shot, areaOf(label), kBlack, 60), 12) << label.name << label.index;
    }
    for (const ControlLayout& label : {layout::kCredit, layout::kUrl}) {
        EXPECT_GT(countNear(shot, areaOf(label), kWhite, 30), 30) << label.name;
    }
    click(dialog, pointIn(layout::kCancel));
    EXPECT_TRUE(run.endsWithin(5000));
}

} // namespace velmora::dialog

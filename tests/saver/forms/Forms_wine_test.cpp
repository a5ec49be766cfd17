// The forms layer on a real window system: form lifetime and events, message-driven timers,
// the persistent surface of a picture box, and a form destroyed from outside.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <vector>

#include "saver/forms/Form.h"
#include "saver/forms/PictureBox.h"
#include "saver/forms/Program.h"
#include "saver/forms/Screen.h"
#include "saver/forms/Timer.h"

namespace velmora::forms {

namespace {

using Clock = std::chrono::steady_clock;

FormDesign hiddenDesign(const char* caption) {
    FormDesign design;
    design.caption = caption;
    return design;
}

// Ends a message loop after the given time even when the code under test never does.
void runLoopAtMost(Form& form, unsigned milliseconds) {
    Timer guard(form, milliseconds, true);
    guard.onTick = [&] { form.unload(); };
    runMessageLoop(form);
}

} // namespace

TEST(Form, LoadMakesAHiddenWindowFoundByItsCaption) {
    Form form(hiddenDesign("Forms_Test_Hidden"));
    int loads = 0;
    form.onLoad = [&] {
        ++loads;
        EXPECT_EQ(FindWindowA(nullptr, "Forms_Test_Hidden"), form.hwnd()); // exists during load
    };
    EXPECT_EQ(FindWindowA(nullptr, "Forms_Test_Hidden"), nullptr);
    form.load();
    form.load();
    EXPECT_EQ(loads, 1);
    ASSERT_TRUE(form.loaded());
    EXPECT_EQ(FindWindowA(nullptr, "Forms_Test_Hidden"), form.hwnd());
    EXPECT_FALSE(IsWindowVisible(form.hwnd()));
    form.show();
    EXPECT_TRUE(IsWindowVisible(form.hwnd()));
    form.hide();
    EXPECT_FALSE(IsWindowVisible(form.hwnd()));
    form.unload();
    EXPECT_EQ(FindWindowA(nullptr, "Forms_Test_Hidden"), nullptr);
    EXPECT_FALSE(form.loaded());
}

TEST(Form, QueryUnloadCanRefuseAndUnloadFiresOnce) {
    Form form(hiddenDesign("Forms_Test_Query"));
    std::vector<std::string> events;
    bool refuse = true;
    form.onQueryUnload = [&](bool& cancel, UnloadMode mode) {
        events.push_back(mode == UnloadMode::ControlMenu ? "query-close" : "query-code");
        cancel = refuse;
    };
    form.onUnload = [&] { events.push_back("unload"); };
    form.load();
    form.unload();
    EXPECT_TRUE(form.loaded());
    refuse = false;
    SendMessageW(form.hwnd(), WM_CLOSE, 0, 0); // the system's close goes the same way
    EXPECT_FALSE(form.loaded());
    form.unload(); // nothing left to unload
    EXPECT_EQ(events, (std::vector<std::string>{"query-code", "query-close", "unload"}));
}

TEST(Form, TheSessionEndingUnloadsIt) {
    Form form(hiddenDesign("Forms_Test_Session"));
    UnloadMode asked = UnloadMode::FormCode;
    form.onQueryUnload = [&](bool&, UnloadMode mode) { asked = mode; };
    form.load();
    EXPECT_TRUE(SendMessageW(form.hwnd(), WM_QUERYENDSESSION, 0, 0));
    EXPECT_TRUE(form.loaded());
    SendMessageW(form.hwnd(), WM_ENDSESSION, FALSE, 0); // the ending was called off
    EXPECT_TRUE(form.loaded());
    SendMessageW(form.hwnd(), WM_ENDSESSION, TRUE, 0);
    EXPECT_FALSE(form.loaded());
    EXPECT_EQ(asked, UnloadMode::AppWindows);
}

TEST(Timer, TicksAtItsIntervalOnlyWhileEnabled) {
    Form form(hiddenDesign("Forms_Test_Timer"));
    Timer fast(form, 50, true);
    Timer off(form, 10, false);
    Timer zero(form, 0, true); // an interval of 0 never ticks
    int fastTicks = 0, offTicks = 0, zeroTicks = 0;
    fast.onTick = [&] {
        if (++fastTicks == 5) {
            fast.setEnabled(false);
        }
    };
    off.onTick = [&] { ++offTicks; };
    zero.onTick = [&] { ++zeroTicks; };
    form.load();
    const auto start = Clock::now();
    runLoopAtMost(form, 600);
    const auto elapsed = Clock::now() - start;
    EXPECT_EQ(fastTicks, 5); // stopped itself from its own tick
    EXPECT_EQ(offTicks, 0);
    EXPECT_EQ(zeroTicks, 0);
    EXPECT_GE(elapsed, std::chrono::milliseconds(550));
}

TEST(Timer, EnabledBeforeLoadStartsWithTheWindowAndStopsWithIt) {
    Form form(hiddenDesign("Forms_Test_Timer_Load"));
    Timer timer(form, 30, false);
    int ticks = 0;
    timer.onTick = [&] {
        if (++ticks == 3) {
            form.unload();
        }
    };
    form.onLoad = [&] { timer.setEnabled(true); };
    form.load();
    runMessageLoop(form); // ends when the form unloads from the third tick
    EXPECT_EQ(ticks, 3);
    EXPECT_FALSE(form.loaded());
}

TEST(PictureBox, SurfaceHasTheTwipsSizeAndKeepsItsImageWhenHidden) {
    Form form(hiddenDesign("Forms_Test_Picture"));
    PictureBox hidden(form, {0, 0, 480, 300, false, RGB(0, 0, 0), 0});
    PictureBox blue(form, {0, 0, 150, 150, true, RGB(0, 0, 255), 0});
    EXPECT_TRUE(hidden.image().pixels.empty()); // no surface before the form loads
    form.load();
    const double perX = screenTwipsPerPixelX(), perY = screenTwipsPerPixelY();
    PixelImage image = hidden.image();
    EXPECT_EQ(image.width, static_cast<int>(480 / perX + 0.5));
    EXPECT_EQ(image.height, static_cast<int>(300 / perY + 0.5));
    EXPECT_EQ(image.at(0, 0), 0x000000u);
    EXPECT_EQ(blue.image().at(3, 3), 0x0000FFu);
    EXPECT_FALSE(IsWindowVisible(hidden.hwnd()));

    HBRUSH red = CreateSolidBrush(RGB(0xC0, 0x10, 0x20));
    const RECT square{2, 3, 6, 7};
    FillRect(hidden.surface(), &square, red);
    DeleteObject(red);
    image = hidden.image();
    EXPECT_EQ(image.at(2, 3), 0xC01020u);
    EXPECT_EQ(image.at(5, 6), 0xC01020u);
    EXPECT_EQ(image.at(6, 7), 0x000000u);
}

TEST(PictureBox, UncoveredWindowRepaintsFromItsSurface) {
    FormDesign design = hiddenDesign("Forms_Test_Repaint");
    design.rect.width = 1500;
    design.rect.height = 1500;
    Form form(design);
    PictureBox box(form, {0, 0, 900, 900, true, RGB(0, 0, 0), 0});
    form.show();
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    const RECT all{0, 0, 40, 40};
    FillRect(box.surface(), &all, red);
    DeleteObject(red);
    // Anything drawn over the window is lost from the screen; the next paint restores it.
    HDC screen = GetDC(box.hwnd());
    PatBlt(screen, 0, 0, 40, 40, WHITENESS);
    InvalidateRect(box.hwnd(), nullptr, TRUE);
    UpdateWindow(box.hwnd());
    EXPECT_EQ(GetPixel(screen, 10, 10), RGB(255, 0, 0));
    ReleaseDC(box.hwnd(), screen);
    form.unload();
}

TEST(Form, DestroyedByItsParentUnloadsAndEndsTheLoop) {
    HWND host = CreateWindowExA(0, "STATIC", "host", WS_POPUP | WS_VISIBLE, 0, 0, 200, 200, nullptr,
                                nullptr, nullptr, nullptr);
    ASSERT_TRUE(host);
    Form child(hiddenDesign("Forms_Test_Child"));
    int unloads = 0;
    child.onUnload = [&] { ++unloads; };
    child.load();
    SetWindowLongA(child.hwnd(), GWL_STYLE, GetWindowLongA(child.hwnd(), GWL_STYLE) | WS_CHILD);
    SetParent(child.hwnd(), host);
    child.show();
    Timer destroyHost(child, 50, true);
    destroyHost.onTick = [&] { DestroyWindow(host); };
    const auto start = Clock::now();
    runMessageLoop(child);
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(2));
    EXPECT_FALSE(child.loaded());
    EXPECT_EQ(unloads, 1);
}

} // namespace velmora::forms

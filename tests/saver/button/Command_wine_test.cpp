// The button control on a real window system, driven with real pointer input: the hover,
// pressed, focused and disabled looks as they reach the screen, when Click is raised, and the
// Japanese caption. Every look is kept as a bitmap in button-looks/ of the test's build folder.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <utility>

#include "saver/button/Command.h"
#include "saver/forms/Bitmaps.h"
#include "saver/forms/Form.h"
#include "saver/forms/PictureBox.h"
#include "tests/support/MessagePump.h"
#include "tests/support/MouseInput.h"
#include "tests/support/ScreenCapture.h"

namespace velmora::button {

namespace {

using testing::captureClient;
using testing::Millis;
using testing::pumpMessages;

constexpr uint32_t kFrame = 0x003C74;
constexpr uint32_t kFaceNormal = 0xF3F3EE;
constexpr uint32_t kRingHover = 0xFCCA69;
constexpr uint32_t kRingFocus = 0xA9C5EF;
constexpr uint32_t kDisableFrame = 0xC9C7BA;
constexpr uint32_t kDisableFace = 0xF5F4EA;
constexpr uint32_t kPressedOuter = 0xECE9D8;

// A press or release, then a pause in which the test's windows handle it.
void sendMouse(DWORD flags) {
    velmora::testing::sendMouse(flags);
    pumpMessages(Millis(150));
}

// The pointer moved to a screen point, with the same pause.
void pointTo(POINT at) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    input.mi.dx = at.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = at.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    SendInput(1, &input, sizeof(input));
    pumpMessages(Millis(150));
}

int channel(uint32_t colour, int shift) {
    return static_cast<int>((colour >> shift) & 0xFF);
}

// Equal within what a 16-bit screen keeps of a colour.
::testing::AssertionResult looksLike(uint32_t actual, uint32_t expected) {
    for (int shift : {0, 8, 16}) {
        if (std::abs(channel(actual, shift) - channel(expected, shift)) > 8) {
            return ::testing::AssertionFailure()
                   << std::hex << "colour " << actual << ", expected " << expected;
        }
    }
    return ::testing::AssertionSuccess();
}

int brightness(uint32_t colour) {
    return channel(colour, 0) + channel(colour, 8) + channel(colour, 16);
}

// The host form: four buttons as the settings dialog sizes them, on a grey ground.
class CommandOnScreen : public ::testing::Test {
protected:
    CommandOnScreen() {
        setButton.onClick = [this] { ++setClicks; };
        cancelButton.onClick = [this] { ++cancelClicks; };
        fileButton.onClick = [this] { ++fileClicks; };
        offButton.onClick = [this] { ++offClicks; };
        pointTo({700, 500}); // well away from the form
        form.show();
        for (Command* button : {&setButton, &cancelButton, &fileButton, &offButton}) {
            button->Initialize();
        }
        offButton.setEnabled(false);
        pumpMessages(Millis(200));
    }

    static forms::FormDesign hostDesign() {
        forms::FormDesign design;
        design.caption = "Command_Test_Host";
        design.style = WS_POPUP | WS_CLIPCHILDREN;
        design.backColour = RGB(192, 192, 192);
        design.rect.width = 6000;
        design.rect.height = 2400;
        return design;
    }

    static POINT centreOf(const Command& button) {
        RECT area;
        GetWindowRect(button.hwnd(), &area);
        return {(area.left + area.right) / 2, (area.top + area.bottom) / 2};
    }

    static POINT outside() { return {300, 100}; } // on the form, away from every button

    // The screen under the button, and the whole form kept as the look's artifact.
    forms::PixelImage look(const Command& button, const char* name) {
        std::filesystem::create_directories("button-looks");
        forms::savePicture(captureClient(form.hwnd()),
                           std::string("button-looks/") + name + ".bmp");
        return captureClient(button.hwnd());
    }

    forms::Form form{hostDesign()};
    Command setButton{form, forms::onForm(), {{300, 300, 1155, 375}, captionedProperties("設定")}};
    Command cancelButton{
        form, forms::onForm(), {1800, 300, 1155, 375, captionedProperties("ｷｬﾝｾﾙ")}};
    // A panel holds one button, as the dialog's holds its "..." button.
    forms::PictureBox panel{form, {0, 1800, 6000, 600, true, RGB(224, 224, 224)}};
    Command fileButton{
        form, forms::inside(panel), {300, 150, 615, 315, captionedProperties("...")}};
    Command offButton{form, forms::onForm(), {1800, 1200, 1155, 375, captionedProperties("無効")}};
    int setClicks = 0;
    int cancelClicks = 0;
    int fileClicks = 0;
    int offClicks = 0;
};

// The frame band at the left edge, its inner ring, and the gradient running down the face
// beside the caption.
struct FaceSample {
    uint32_t frame;
    uint32_t ring;
    int top;
    int bottom;
};

FaceSample sample(const forms::PixelImage& image) {
    const int middle = image.height / 2;
    return {image.at(1, middle), image.at(2, middle), brightness(image.at(7, 5)),
            brightness(image.at(7, image.height - 6))};
}

TEST_F(CommandOnScreen, ClickOnAnUnfocusedButtonShowsEachLookAndClicksOnce) {
    FaceSample normal = sample(look(setButton, "normal"));
    EXPECT_TRUE(looksLike(normal.frame, kFrame));
    EXPECT_TRUE(looksLike(normal.ring, kFaceNormal));
    EXPECT_GT(normal.top, normal.bottom + 30) << "light at the top";

    pointTo(centreOf(setButton));
    FaceSample hover = sample(look(setButton, "hover"));
    EXPECT_TRUE(looksLike(hover.frame, kFrame));
    EXPECT_TRUE(looksLike(hover.ring, kRingHover));
    EXPECT_LT(hover.top + 30, hover.bottom) << "dark at the top";

    sendMouse(MOUSEEVENTF_LEFTDOWN);
    FaceSample pressed = sample(look(setButton, "pressed"));
    EXPECT_TRUE(looksLike(pressed.frame, kPressedOuter));
    EXPECT_TRUE(looksLike(pressed.ring, kFrame));
    EXPECT_EQ(GetFocus(), setButton.hwnd());
    EXPECT_EQ(setClicks, 0);

    sendMouse(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(setClicks, 1);
    FaceSample released = sample(look(setButton, "hover-focused"));
    EXPECT_TRUE(looksLike(released.ring, kRingHover));
    EXPECT_LT(released.top + 30, released.bottom) << "reached from the hover: stays reversed";

    pointTo(outside());
    pumpMessages(Millis(150)); // the pointer poll
    FaceSample focused = sample(look(setButton, "focused"));
    EXPECT_TRUE(looksLike(focused.frame, kFrame));
    EXPECT_TRUE(looksLike(focused.ring, kRingFocus));
    EXPECT_GT(focused.top, focused.bottom + 30);

    // Focus moving to another button gives this one its normal look back.
    pointTo(centreOf(cancelButton));
    sendMouse(MOUSEEVENTF_LEFTDOWN);
    sendMouse(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(cancelClicks, 1);
    EXPECT_TRUE(looksLike(sample(look(setButton, "focus-gone")).ring, kFaceNormal));
    EXPECT_EQ(setClicks, 1);
}

TEST_F(CommandOnScreen, ReleasingOutsideOrAfterComingBackDoesNotClick) {
    pointTo(centreOf(fileButton));
    sendMouse(MOUSEEVENTF_LEFTDOWN);
    pointTo(outside());
    pumpMessages(Millis(150));
    EXPECT_TRUE(looksLike(sample(look(fileButton, "held-outside")).ring, kRingFocus));
    sendMouse(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(fileClicks, 0);

    pointTo(centreOf(setButton));
    sendMouse(MOUSEEVENTF_LEFTDOWN);
    pointTo(outside());
    pumpMessages(Millis(150));
    pointTo(centreOf(setButton));
    EXPECT_TRUE(looksLike(sample(look(setButton, "held-back-forms::inside")).ring, kRingFocus));
    sendMouse(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(setClicks, 0);
}

// A press whose mouse another window takes (a system dialog, a cancelled mode) ends without a
// click: the button shows its focused look at once and hovers again on the next move.
TEST_F(CommandOnScreen, APressWhoseMouseIsTakenReturnsToItsLookAndHoversAgain) {
    HWND other = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    const std::pair<const char*, void (*)(HWND button, HWND other)> takers[] = {
        {"taken", [](HWND, HWND window) { SetCapture(window); }},
        {"cancelled", [](HWND button, HWND) { SendMessageW(button, WM_CANCELMODE, 0, 0); }},
    };
    for (const auto& [name, take] : takers) {
        pointTo(centreOf(setButton));
        sendMouse(MOUSEEVENTF_LEFTDOWN);
        take(setButton.hwnd(), other);
        pumpMessages(Millis(50));
        EXPECT_TRUE(looksLike(sample(look(setButton, name)).ring, kRingFocus)) << name;
        ReleaseCapture();
        sendMouse(MOUSEEVENTF_LEFTUP);
        pointTo({centreOf(setButton).x + 3, centreOf(setButton).y});
        EXPECT_TRUE(looksLike(sample(look(setButton, name)).ring, kRingHover)) << name;
        EXPECT_EQ(setClicks, 0) << name;
        pointTo(outside());
    }
    DestroyWindow(other);
}

TEST_F(CommandOnScreen, PressOnTheBackgroundReleasedOverAButtonDoesNotClick) {
    // The form and the panel hold the mouse from the press, so the release is theirs.
    for (auto [from, button, clicks] :
         {std::tuple{outside(), &setButton, &setClicks},
          std::tuple{POINT{100, 138} /* the panel */, &fileButton, &fileClicks}}) {
        pointTo(from);
        sendMouse(MOUSEEVENTF_LEFTDOWN);
        pointTo(centreOf(*button));
        sendMouse(MOUSEEVENTF_LEFTUP);
        EXPECT_EQ(*clicks, 0);
    }
}

TEST_F(CommandOnScreen, OtherMouseButtonsClickWhenReleasedOverTheButtonOnly) {
    pointTo(centreOf(cancelButton));
    sendMouse(MOUSEEVENTF_RIGHTDOWN);
    sendMouse(MOUSEEVENTF_RIGHTUP);
    EXPECT_EQ(cancelClicks, 1);
    EXPECT_NE(GetFocus(), cancelButton.hwnd());
    EXPECT_TRUE(looksLike(sample(look(cancelButton, "right-clicked")).ring, kRingHover));

    sendMouse(MOUSEEVENTF_RIGHTDOWN);
    pointTo(outside());
    pumpMessages(Millis(150));
    sendMouse(MOUSEEVENTF_RIGHTUP);
    EXPECT_EQ(cancelClicks, 1);
    EXPECT_TRUE(looksLike(sample(look(cancelButton, "right-released-outside")).ring, kFaceNormal));
}

TEST_F(CommandOnScreen, DisabledButtonShowsItsFaceAndAGreyCaptionAndNeverClicks) {
    pointTo(centreOf(offButton));
    sendMouse(MOUSEEVENTF_LEFTDOWN);
    sendMouse(MOUSEEVENTF_LEFTUP);
    sendMouse(MOUSEEVENTF_RIGHTDOWN);
    sendMouse(MOUSEEVENTF_RIGHTUP);
    EXPECT_EQ(offClicks, 0);
    const forms::PixelImage disabled = look(offButton, "disabled");
    FaceSample face = sample(disabled);
    EXPECT_TRUE(looksLike(face.frame, kDisableFrame));
    EXPECT_TRUE(looksLike(face.ring, kDisableFace));
    int black = 0;
    int grey = 0;
    for (uint32_t pixel : disabled.pixels) {
        black += brightness(pixel) < 120;
        grey += looksLike(pixel, GetSysColor(COLOR_GRAYTEXT) & 0xFFFFFF) ? 1 : 0;
    }
    EXPECT_EQ(black, 0);
    EXPECT_GT(grey, 10);

    offButton.setEnabled(true);
    pumpMessages(Millis(50));
    EXPECT_TRUE(looksLike(sample(look(offButton, "enabled-again")).frame, kFrame));
}

TEST_F(CommandOnScreen, JapaneseCaptionIsDrawnCentredOverTheFace) {
    const forms::PixelImage image = look(setButton, "caption");
    int left = image.width;
    int right = 0;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 4; x < image.width - 4; ++x) {
            if (brightness(image.at(x, y)) < 120) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    ASSERT_LT(left, right) << "no caption text";
    EXPECT_GT(right - left, 15) << "two full-width characters";
    EXPECT_LE(std::abs((left + right) / 2 - image.width / 2), 2);
}

TEST_F(CommandOnScreen, UncoveringRepaintsTheLastLookAndSizeChangesRedraw) {
    pointTo(centreOf(setButton));
    RedrawWindow(form.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    pumpMessages(Millis(50));
    EXPECT_TRUE(looksLike(sample(look(setButton, "repainted")).ring, kRingHover));

    fileButton.move({2000, 90, 1755, 420}); // along its panel, at the design size
    pumpMessages(Millis(50));
    const forms::PixelImage resized = look(fileButton, "resized");
    EXPECT_EQ(resized.width, 117);
    EXPECT_EQ(resized.height, 28);
    EXPECT_TRUE(looksLike(resized.at(resized.width - 2, resized.height / 2), kFrame));
    EXPECT_TRUE(looksLike(resized.at(resized.width / 2, resized.height - 2), kFrame));
}

TEST_F(CommandOnScreen, WindowCarriesItsClassAndCaptionAndSavesItsProperties) {
    wchar_t className[64] = {};
    GetClassNameW(setButton.hwnd(), className, 64);
    EXPECT_STREQ(className, L"Vantri.Command");
    wchar_t text[64] = {};
    GetWindowTextW(setButton.hwnd(), text, 64);
    EXPECT_STREQ(text, L"設定");

    std::vector<std::string> changed;
    fileButton.onPropertyChanged = [&](std::string_view key) { changed.emplace_back(key); };
    fileButton.setCaption("Command");
    fileButton.setEnabled(false);
    const auto saved = fileButton.WriteProperties();
    EXPECT_EQ(saved.read("Caption", "Command1"), "Command1");
    EXPECT_EQ(saved.read("Enabled", "True"), "False");
    EXPECT_EQ(changed, (std::vector<std::string>{"Caption", "Enabled"}));
}

TEST_F(CommandOnScreen, ClickHandlerMayUnloadTheForm) {
    cancelButton.onClick = [this] {
        ++cancelClicks;
        form.unload();
    };
    pointTo(centreOf(cancelButton));
    sendMouse(MOUSEEVENTF_LEFTDOWN);
    sendMouse(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(cancelClicks, 1);
    EXPECT_FALSE(form.loaded());
    EXPECT_EQ(cancelButton.hwnd(), nullptr);
    EXPECT_EQ(fileButton.hwnd(), nullptr); // gone with its panel
    pumpMessages(Millis(250));             // no poll runs on the dead windows
}

} // namespace

} // namespace velmora::button

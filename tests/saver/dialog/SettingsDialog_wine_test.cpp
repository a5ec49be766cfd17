// The settings dialog end to end: the real "Velmora.scr /c" in a folder of its own, driven with
// the mouse and keyboard, judged by its windows, the pixels on the screen and the bytes of the
// settings file it leaves behind.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "DialogDriver.h"
#include "saver/dialog/core/DialogLayout.h"
#include "saver/dialog/core/SineGradient.h"
#include "saver/forms/Screen.h"
#include "saver/forms/core/Twips.h"
#include "saver/text/AnsiText.h"

using namespace velmora::dialog;

namespace {

constexpr Rgb kMarkOn{46, 99, 216};
constexpr Rgb kMarkOff{255, 255, 255};
constexpr Rgb kFrameNormal{0, 60, 116};
constexpr Rgb kFrameDisabled{201, 199, 186};
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};

PixelRect pixels(const ControlPlace& control) {
    PixelRect at = toPixels(control.twips, screenTwipsPerPixelX(), screenTwipsPerPixelY());
    if (control.parent == Parent::Panel) {
        const PixelRect panel = pixels(place::kPanel);
        at.left += panel.left;
        at.top += panel.top;
    }
    return at;
}

// A point well inside the control's left part, where even a text sized label has its text.
POINT pointIn(const ControlPlace& control) {
    const PixelRect at = pixels(control);
    return {at.left + 5, at.top + at.height / 2};
}

RECT areaOf(const ControlPlace& control) {
    const PixelRect at = pixels(control);
    return {at.left, at.top, at.left + at.width, at.top + at.height};
}

Rgb toRgb(RowColour colour) {
    return {colour.red, colour.green, colour.blue};
}

Rgb markColour(const PixelImage& shot, const ControlPlace& mark) {
    const PixelRect at = pixels(mark);
    return colourAt(shot, at.left + 6, at.top + 6);
}

// The row of the face's frame across the top edge of a button.
Rgb frameColour(const PixelImage& shot, const ControlPlace& button) {
    const PixelRect at = pixels(button);
    return colourAt(shot, at.left + at.width / 2, at.top + 1);
}

std::string settingsText(const std::string& kind, const std::string& repeat,
                         const std::string& file) {
    return toAnsi("[Section]\r\nBGM区分=" + kind + "\r\nBGMﾘﾋﾟｰﾄ=" + repeat +
                  "\r\nBGMﾌｧｲﾙ=" + file + "\r\n");
}

// Numbers written with a leading blank come back without it from Wine's profile writer.
void expectNumber(const std::string& bytes, const char* key, int value) {
    const std::string stored = iniValue(bytes, key);
    const std::string plain = std::to_string(value);
    const std::string blankLed = std::string(1, ' ').append(plain);
    EXPECT_TRUE(stored == blankLed || stored == plain) << key << " holds '" << stored << "'";
}

bool repeatBoxEnabled(HWND dialog) {
    HWND box = findChild(dialog, L"ComboBox");
    return box && IsWindowEnabled(box);
}

std::wstring repeatBoxText(HWND dialog) {
    wchar_t text[64] = {};
    SendMessageW(findChild(dialog, L"ComboBox"), WM_GETTEXT, 64, reinterpret_cast<LPARAM>(text));
    return text;
}

struct SourceLook {
    int chosen;
    bool repeatBox;
    bool fileButton;
};

void expectSourceLook(HWND dialog, const SourceLook& look, const std::string& shotName) {
    const PixelImage shot = captureClient(dialog);
    keepScreenshot(shot, shotName);
    const ControlPlace marks[] = {place::kMarkNone, place::kMarkCd, place::kMarkFile};
    for (int index = 0; index < 3; ++index)
        EXPECT_TRUE(
            closeTo(markColour(shot, marks[index]), index == look.chosen ? kMarkOn : kMarkOff))
            << shotName << ": mark " << index;
    EXPECT_EQ(repeatBoxEnabled(dialog), look.repeatBox) << shotName;
    EXPECT_TRUE(closeTo(frameColour(shot, place::kFileButton),
                        look.fileButton ? kFrameNormal : kFrameDisabled))
        << shotName << ": file button";
}

// Each test has a folder of its own with Velmora.scr, Velmora.dll and a settings file.
class SettingsDialog : public ::testing::Test {
protected:
    // Writes the settings and starts "Velmora.scr /c"; the shown dialog, or null.
    HWND open(const std::string& settings) {
        writeBytes(installation.settingsFile(), settings);
        run.reset();
        run.emplace(installation);
        return run->dialog();
    }
    std::string savedSettings() const { return readBytes(installation.settingsFile()); }

    Installation installation;
    std::optional<ConfigureRun> run;
};

} // namespace

TEST_F(SettingsDialog, OpensCentredWithGradientsMarksButtonsAndTexts) {
    const HWND dialog = open(settingsText(" 0", " 0", ""));
    ASSERT_NE(dialog, nullptr);

    RECT window{}, client{};
    GetWindowRect(dialog, &window);
    GetClientRect(dialog, &client);
    EXPECT_EQ(client.right, pixelsFromTwips(kClientWidthTwips, screenTwipsPerPixelX()));
    EXPECT_EQ(client.bottom, pixelsFromTwips(kClientHeightTwips, screenTwipsPerPixelY()));
    const double perPixelX = screenTwipsPerPixelX();
    const double perPixelY = screenTwipsPerPixelY();
    const TwipsPoint corner =
        dialogCorner(static_cast<int>(GetSystemMetrics(SM_CXSCREEN) * perPixelX),
                     static_cast<int>(GetSystemMetrics(SM_CYSCREEN) * perPixelY),
                     static_cast<int>((window.right - window.left) * perPixelX),
                     static_cast<int>((window.bottom - window.top) * perPixelY));
    EXPECT_EQ(window.left, pixelsFromTwips(corner.x, perPixelX));
    EXPECT_EQ(window.top, pixelsFromTwips(corner.y, perPixelY));

    const PixelImage shot = captureClient(dialog);
    keepScreenshot(shot, "dialog-opened");
    ASSERT_EQ(shot.height, client.bottom);

    // Both gradients, in a column that no control covers: top, middle and bottom rows.
    const auto formLevels = sineGradientLevels(shot.height);
    for (int y : {0, shot.height / 2, shot.height - 1})
        EXPECT_TRUE(closeTo(colourAt(shot, 4, y), toRgb(formRowColour(formLevels[y]))))
            << "form row " << y;
    const PixelRect panel = pixels(place::kPanel);
    const auto panelLevels = sineGradientLevels(panel.height);
    for (int y : {0, panel.height / 2, panel.height - 1})
        EXPECT_TRUE(closeTo(colourAt(shot, panel.left + 4, panel.top + y),
                            toRgb(panelRowColour(panelLevels[y]))))
            << "panel row " << y;

    // "なし" chosen, the repeat box and "..." off, the closing buttons ready.
    expectSourceLook(dialog, {0, false, false}, "dialog-no-music");
    EXPECT_TRUE(closeTo(frameColour(shot, place::kSet), kFrameNormal));
    EXPECT_TRUE(closeTo(frameColour(shot, place::kCancel), kFrameNormal));

    // Dark text on the panel, white text on the dark lower band of the form.
    for (const ControlPlace& label : {place::kHeading, place::kLabelNone, place::kLabelCd,
                                      place::kLabelFile, place::kRepeatCaption})
        EXPECT_GT(countNear(shot, areaOf(label), kBlack, 60), 8) << label.name << label.index;
    for (const ControlPlace& label : {place::kCredit, place::kUrl})
        EXPECT_GT(countNear(shot, areaOf(label), kWhite, 30), 20) << label.name;

    // Uncovered, the dialog shows the same picture again: gradients, texts, marks and all.
    HWND cover = CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"",
                                 WS_POPUP | WS_VISIBLE | SS_BLACKRECT, window.left, window.top, 300,
                                 200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    pumpMessages(500);
    ASSERT_NE(captureClient(dialog).pixels, shot.pixels) << "the cover did not cover";
    DestroyWindow(cover);
    pumpMessages(500);
    const PixelImage uncovered = captureClient(dialog);
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
    EXPECT_NE(pointerAt(pointIn(place::kUrl)), offLink);
    EXPECT_EQ(pointerAt({4, 4}), offLink);

    // The repeat list: an empty entry, then 1 to 30; no repeat shows as an empty text.
    HWND box = findChild(dialog, L"ComboBox");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(SendMessageW(box, CB_GETCOUNT, 0, 0), 31);
    wchar_t entry[16] = {};
    SendMessageW(box, CB_GETLBTEXT, 30, reinterpret_cast<LPARAM>(entry));
    EXPECT_STREQ(entry, L"30");
    EXPECT_EQ(repeatBoxText(dialog), L"");
}

TEST_F(SettingsDialog, MarksAndLabelsChooseTheSourceWithAnyButtonAndCancelKeepsTheFile) {
    const std::string before = settingsText(" 1", " 3", "");
    const HWND dialog = open(before);
    ASSERT_NE(dialog, nullptr);
    expectSourceLook(dialog, {1, true, false}, "dialog-audio-cd-loaded");
    EXPECT_EQ(repeatBoxText(dialog), L"3");
    const RECT repeatField = areaOf(place::kRepeat);
    EXPECT_GT(countNear(captureClient(dialog), repeatField, kWhite, 4), 100) << "white repeat box";

    struct Step {
        ControlPlace target;
        bool rightButton;
        SourceLook look;
        const char* shot;
    };
    const Step steps[] = {
        {place::kLabelFile, true, {2, false, true}, "dialog-music-file"},
        {place::kMarkNone, false, {0, false, false}, "dialog-no-music-chosen"},
        {place::kMarkCd, true, {1, true, false}, "dialog-audio-cd"},
        {place::kLabelNone, false, {0, false, false}, "dialog-no-music-by-label"},
        {place::kMarkFile, false, {2, false, true}, "dialog-music-file-by-mark"},
        {place::kLabelCd, false, {1, true, false}, "dialog-audio-cd-by-label"},
    };
    for (const Step& step : steps) {
        click(dialog, pointIn(step.target), step.rightButton);
        expectSourceLook(dialog, step.look, step.shot);
    }

    click(dialog, pointIn(place::kCancel));
    EXPECT_TRUE(run->endsWithin(5000));
    EXPECT_EQ(savedSettings(), before);
}

TEST_F(SettingsDialog, FileChooserStartsInTheMusicFolderAndSavingStoresTheChosenFile) {
    const std::string music = installation.path("music");
    std::filesystem::create_directories(std::filesystem::path(toWide(music)));
    writeBytes(music + "\\a.mp3", "ID3");
    writeBytes(music + "\\曲b.mp3", "ID3");
    const HWND dialog = open(settingsText(" 2", " 0", music + "\\a.mp3"));
    ASSERT_NE(dialog, nullptr);
    expectSourceLook(dialog, {2, false, true}, "dialog-music-file-loaded");

    // Cancelling the chooser leaves the shown file as it was.
    const PixelImage loaded = captureClient(dialog);
    click(dialog, pointIn(place::kFileButton));
    const HWND cancelled = waitForWindow(L"ﾌｧｲﾙを開く", 10000);
    ASSERT_NE(cancelled, nullptr);
    settle(300);
    pressKey(VK_ESCAPE);
    settle(300);
    ASSERT_FALSE(IsWindow(cancelled));
    // (The button itself keeps the focus it took, and shows it.)
    const PixelImage afterCancel = captureClient(dialog);
    const RECT fileName = areaOf(place::kFileName);
    for (int y = fileName.top; y < fileName.bottom; ++y)
        for (int x = fileName.left; x < fileName.right; ++x)
            ASSERT_EQ(afterCancel.at(x, y), loaded.at(x, y)) << "file name at " << x << ", " << y;

    click(dialog, pointIn(place::kFileButton));
    const HWND chooser = waitForWindow(L"ﾌｧｲﾙを開く", 10000);
    ASSERT_NE(chooser, nullptr);
    settle(500);
    keepScreenshot(captureClient(chooser), "dialog-file-chooser");
    // Only the name: the chooser must already be in the music folder for it to be found there.
    typeText(L"曲b.mp3");
    pressKey(VK_RETURN);
    settle(500);
    ASSERT_FALSE(IsWindow(chooser));
    const PixelImage shot = captureClient(dialog);
    keepScreenshot(shot, "dialog-file-chosen");
    EXPECT_GT(countNear(shot, areaOf(place::kFileName), kBlack, 60), 40);

    click(dialog, pointIn(place::kSet));
    ASSERT_TRUE(run->endsWithin(5000));
    const std::string saved = savedSettings();
    expectNumber(saved, "BGM区分", 2);
    expectNumber(saved, "BGMﾘﾋﾟｰﾄ", 0);
    EXPECT_EQ(iniValue(saved, "BGMﾌｧｲﾙ"), toAnsi(music + "\\曲b.mp3"));
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
        click(dialog, pointIn(place::kLabelCd));
        click(dialog, pointIn(place::kRepeat));
        typeText(c.typed);
        click(dialog, pointIn(place::kSet));
        ASSERT_TRUE(run->endsWithin(5000)) << "typed " << toAnsi(fromWide(c.typed));
        const std::string saved = savedSettings();
        expectNumber(saved, "BGM区分", 1);
        expectNumber(saved, "BGMﾘﾋﾟｰﾄ", c.stored);
        EXPECT_EQ(iniValue(saved, "BGMﾌｧｲﾙ"), "");
    }
}

TEST_F(SettingsDialog, TheCloseBoxStoresNothingAndEnterOrEscapePressNoButton) {
    const std::string before = settingsText(" 0", " 0", "");
    const HWND dialog = open(before);
    ASSERT_NE(dialog, nullptr);
    click(dialog, pointIn(place::kLabelCd));

    // With the focus where the dialog put it, and with it moved on to each button in turn.
    for (int tabs = 0; tabs < 5; ++tabs) {
        pressKey(VK_RETURN);
        pressKey(VK_ESCAPE);
        ASSERT_TRUE(IsWindow(dialog)) << "after " << tabs << " tabs";
        pressKey(VK_TAB);
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

TEST_F(SettingsDialog, ASourceOutsideTheThreeShowsNoMarkAndIsStoredBackUnchanged) {
    const HWND dialog = open(settingsText(" 5", " 4", ""));
    ASSERT_NE(dialog, nullptr);
    expectSourceLook(dialog, {-1, false, false}, "dialog-unknown-source");
    EXPECT_EQ(repeatBoxText(dialog), L"4");

    click(dialog, pointIn(place::kSet));
    ASSERT_TRUE(run->endsWithin(5000));
    const std::string saved = savedSettings();
    expectNumber(saved, "BGM区分", 5);
    expectNumber(saved, "BGMﾘﾋﾟｰﾄ", 4);
}

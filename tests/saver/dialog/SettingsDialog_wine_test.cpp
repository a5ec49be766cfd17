// The settings dialog end to end: the real "Velmora.scr /c" in a folder of its own, driven with
// the mouse and keyboard, judged by its windows, the pixels on the screen and the bytes of the
// settings file it leaves behind.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <set>
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
#include "tests/support/KeyTap.h"
#include "tests/support/ScreenCapture.h"
#include "tests/support/SystemLanguage.h"
#include "tests/support/WindowWait.h"

namespace velmora::dialog {

namespace {

using testing::captureClient;
using testing::Millis;
using testing::readText;
using testing::tapKey;
using testing::writeText;

// A top-level window of the dialog's program that has been shown.
HWND waitForShown(const char* title, Millis timeout) {
    return testing::waitForWindow({.title = title, .visibleOnly = true}, timeout);
}

constexpr Rgb kMarkOn{46, 99, 216};
constexpr Rgb kMarkOff{255, 255, 255};
constexpr Rgb kFrameNormal{0, 60, 116};
constexpr Rgb kFrameDisabled{201, 199, 186};
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};

base::PixelRect pixels(const ControlPlace& control) {
    base::PixelRect at =
        base::toPixels(control.twips, forms::screenTwipsPerPixelX(), forms::screenTwipsPerPixelY());
    if (control.parent == Parent::Panel) {
        const base::PixelRect panel = pixels(place::kPanel);
        at.left += panel.left;
        at.top += panel.top;
    }
    return at;
}

// A point well inside the control's left part, where even a text sized label has its text.
POINT pointIn(const ControlPlace& control) {
    const base::PixelRect at = pixels(control);
    return {at.left + 5, at.top + at.height / 2};
}

RECT areaOf(const ControlPlace& control) {
    const base::PixelRect at = pixels(control);
    return {at.left, at.top, at.left + at.width, at.top + at.height};
}

Rgb toRgb(RowColour colour) {
    return {colour.red, colour.green, colour.blue};
}

Rgb markColour(const forms::PixelImage& shot, const ControlPlace& mark) {
    const base::PixelRect at = pixels(mark);
    return colourAt(shot, at.left + 6, at.top + 6);
}

// The row of the face's frame across the top edge of a button.
Rgb frameColour(const forms::PixelImage& shot, const ControlPlace& button) {
    const base::PixelRect at = pixels(button);
    return colourAt(shot, at.left + at.width / 2, at.top + 1);
}

std::string settingsText(const std::string& kind, const std::string& repeat,
                         const std::string& file) {
    return win32::toAnsi("[Section]\r\nBGM区分=" + kind + "\r\nBGMﾘﾋﾟｰﾄ=" + repeat +
                         "\r\nBGMﾌｧｲﾙ=" + file + "\r\n");
}

// The whole file as "設定" leaves it: section and keys in code page 932, the numbers without
// their leading blank, as Wine's profile writer stores them (Windows keeps the blank).
void expectSavedFile(const std::string& bytes, int kind, int repeat, const std::string& file) {
    const std::string plainKind = std::to_string(kind);
    const std::string plainRepeat = std::to_string(repeat);
    const std::string plain = settingsText(plainKind, plainRepeat, file);
    const std::string blankLed = settingsText(std::string(1, ' ').append(plainKind),
                                              std::string(1, ' ').append(plainRepeat), file);
    EXPECT_TRUE(bytes == plain || bytes == blankLed) << "the file holds:\n" << bytes;
    if (GetACP() == 932) {
        EXPECT_NE(bytes.find("\x42\x47\x4D\x8B\xE6\x95\xAA="), std::string::npos) << "BGM区分";
    }
}

// Chooses the audio CD with the repeat box left empty, then "設定"; true when the dialog
// closed.
bool chooseCdAndSet(ConfigureRun& run) {
    click(run.dialog(), pointIn(place::kLabelCd));
    click(run.dialog(), pointIn(place::kSet));
    return run.endsWithin(5000);
}

// Numbers written with a leading blank come back without it from Wine's profile writer.
void expectNumber(const std::string& bytes, const char* key, int value) {
    const std::string stored = iniValue(bytes, key);
    const std::string plain = std::to_string(value);
    const std::string blankLed = std::string(1, ' ').append(plain);
    EXPECT_TRUE(stored == blankLed || stored == plain) << key << " holds '" << stored << "'";
}

bool repeatBoxEnabled(HWND dialog) {
    HWND box = testing::findWindow({.className = "ComboBox", .parent = dialog});
    return box && IsWindowEnabled(box);
}

std::wstring repeatBoxText(HWND dialog) {
    wchar_t text[64] = {};
    SendMessageW(testing::findWindow({.className = "ComboBox", .parent = dialog}), WM_GETTEXT, 64,
                 reinterpret_cast<LPARAM>(text));
    return text;
}

struct SourceLook {
    int chosen;
    bool repeatBox;
    bool fileButton;
};

void expectSourceLook(HWND dialog, const SourceLook& look, const std::string& shotName) {
    const forms::PixelImage shot = captureClient(dialog);
    keepScreenshot(shot, shotName);
    const ControlPlace marks[] = {place::kMarkNone, place::kMarkCd, place::kMarkFile};
    for (int index = 0; index < 3; ++index) {
        EXPECT_TRUE(
            closeTo(markColour(shot, marks[index]), index == look.chosen ? kMarkOn : kMarkOff))
            << shotName << ": mark " << index;
    }
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
        writeText(installation.settingsFile(), settings);
        run.reset();
        run.emplace(installation);
        return run->dialog();
    }
    std::string savedSettings() const { return readText(installation.settingsFile()); }

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
    const base::PixelRect panel = pixels(place::kPanel);
    const auto panelLevels = sineGradientLevels(panel.height);
    for (int y : {0, panel.height / 2, panel.height - 1}) {
        EXPECT_TRUE(closeTo(colourAt(shot, panel.left + 4, panel.top + y),
                            toRgb(panelRowColour(panelLevels[y]))))
            << "panel row " << y;
    }

    // "なし" chosen, the repeat box and "..." off, the closing buttons ready.
    expectSourceLook(dialog, {0, false, false}, "dialog-no-music");
    EXPECT_TRUE(closeTo(frameColour(shot, place::kSet), kFrameNormal));
    EXPECT_TRUE(closeTo(frameColour(shot, place::kCancel), kFrameNormal));

    // Dark text on the panel, white text on the dark lower band of the form.
    for (const ControlPlace& label : {place::kHeading, place::kLabelNone, place::kLabelCd,
                                      place::kLabelFile, place::kRepeatCaption}) {
        EXPECT_GT(countNear(shot, areaOf(label), kBlack, 60), 8) << label.name << label.index;
    }
    for (const ControlPlace& label : {place::kCredit, place::kUrl}) {
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
    EXPECT_NE(pointerAt(pointIn(place::kUrl)), offLink);
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
    std::filesystem::create_directories(testing::utf8Path(music));
    writeText(music + "\\a.mp3", "ID3");
    writeText(music + "\\曲b.mp3", "ID3");
    const HWND dialog = open(settingsText(" 2", " 0", music + "\\a.mp3"));
    ASSERT_NE(dialog, nullptr);
    expectSourceLook(dialog, {2, false, true}, "dialog-music-file-loaded");

    // Cancelling the chooser leaves the shown file as it was.
    const forms::PixelImage loaded = captureClient(dialog);
    click(dialog, pointIn(place::kFileButton));
    const HWND cancelled = waitForShown("ﾌｧｲﾙを開く", Millis(10000));
    ASSERT_NE(cancelled, nullptr);
    settle(300);
    tapKey(VK_ESCAPE);
    settle();
    settle(300);
    ASSERT_FALSE(IsWindow(cancelled));
    // (The button itself keeps the focus it took, and shows it.)
    const forms::PixelImage afterCancel = captureClient(dialog);
    const RECT fileName = areaOf(place::kFileName);
    for (int y = fileName.top; y < fileName.bottom; ++y) {
        for (int x = fileName.left; x < fileName.right; ++x) {
            ASSERT_EQ(afterCancel.at(x, y), loaded.at(x, y)) << "file name at " << x << ", " << y;
        }
    }

    click(dialog, pointIn(place::kFileButton));
    const HWND chooser = waitForShown("ﾌｧｲﾙを開く", Millis(10000));
    ASSERT_NE(chooser, nullptr);
    settle(500);
    keepScreenshot(captureClient(chooser), "dialog-file-chooser");
    // Only the name: the chooser must already be in the music folder for it to be found there.
    typeText(L"曲b.mp3");
    tapKey(VK_RETURN);
    settle();
    settle(500);
    ASSERT_FALSE(IsWindow(chooser));
    const forms::PixelImage shot = captureClient(dialog);
    keepScreenshot(shot, "dialog-file-chosen");
    EXPECT_GT(countNear(shot, areaOf(place::kFileName), kBlack, 60), 40);

    click(dialog, pointIn(place::kSet));
    ASSERT_TRUE(run->endsWithin(5000));
    const std::string saved = savedSettings();
    expectNumber(saved, "BGM区分", 2);
    expectNumber(saved, "BGMﾘﾋﾟｰﾄ", 0);
    EXPECT_EQ(iniValue(saved, "BGMﾌｧｲﾙ"), win32::toAnsi(music + "\\曲b.mp3"));
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
        ASSERT_TRUE(run->endsWithin(5000)) << "typed " << win32::toAnsi(win32::fromWide(c.typed));
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

// Installed in a folder with a character that best-fit mapping would turn into a plain "e":
// the dialog writes its own folder's file, and the other folder's file stays as it was.
TEST(SettingsDialogInstalled, InAnAccentedFolderWritesOnlyItsOwnFile) {
    const testing::ScratchFolder lookAlikeFolder = testing::ScratchFolder::at("C:\\vel-e");
    const std::string lookAlike = lookAlikeFolder / "Velmora.ini";
    const std::string other = settingsText(" 2", " 7", "");
    writeText(lookAlike, other);
    {
        Installation installation("C:\\vel-é");
        writeText(installation.settingsFile(), settingsText(" 0", " 0", ""));
        ConfigureRun run(installation);
        ASSERT_NE(run.dialog(), nullptr);
        EXPECT_EQ(repeatBoxText(run.dialog()), L"") << "read the other folder's file";
        ASSERT_TRUE(chooseCdAndSet(run));
        expectSavedFile(readText(installation.settingsFile()), 1, 0, "");
    }
    EXPECT_EQ(readText(lookAlike), other);
}

TEST(SettingsDialogInstalled, InAFolderOutsideTheCodePageSavesThere) {
    Installation installation("C:\\vel-한글");
    writeText(installation.settingsFile(), settingsText(" 0", " 3", ""));
    ConfigureRun run(installation);
    ASSERT_NE(run.dialog(), nullptr);
    EXPECT_EQ(repeatBoxText(run.dialog()), L"3");
    ASSERT_TRUE(chooseCdAndSet(run));
    expectSavedFile(readText(installation.settingsFile()), 1, 3, "");
}

// Chooses the music file source and, in the file chooser, the file typed as a full path; true
// when the chooser closed.
bool chooseFile(HWND dialog, const std::string& path) {
    click(dialog, pointIn(place::kLabelFile));
    click(dialog, pointIn(place::kFileButton));
    const HWND chooser = waitForShown("ﾌｧｲﾙを開く", Millis(10000));
    if (!chooser) {
        return false;
    }
    settle(500);
    typeText(win32::toWide(path));
    tapKey(VK_RETURN);
    settle();
    settle(500);
    return !IsWindow(chooser);
}

// A folder named "Velmora.ini" makes the file beside the programs unwritable, as System32 is
// for a standard user.
TEST(SettingsDialogInstalled, WhereTheUserCannotWriteTheChoiceGoesToThePerUserFile) {
    Installation installation;
    std::filesystem::create_directories(testing::utf8Path(installation.settingsFile()));
    const std::string song = installation.path("tone.mp3");
    writeText(song, "ID3");
    ConfigureRun run(installation);
    const HWND dialog = run.dialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(chooseFile(dialog, song));
    click(dialog, pointIn(place::kSet));
    ASSERT_TRUE(run.endsWithin(5000));
    expectSavedFile(readText(installation.perUserSettingsFile()), 2, 0, song);
}

// The message box of the program, and its text; null when none showed.
HWND messageShown(std::wstring& text, Millis timeout = Millis(5000)) {
    const HWND box = waitForShown("Velmora", timeout);
    wchar_t buffer[128] = {};
    GetDlgItemTextW(box, 0xFFFF, buffer, 128);
    text = buffer;
    return box;
}

// Every name below a folder.
std::set<std::string> contentsOf(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry :
         std::filesystem::recursive_directory_iterator(testing::utf8Path(folder))) {
        names.insert(testing::utf8String(entry.path()));
    }
    return names;
}

TEST(SettingsDialogInstalled, WhenNoFileCanBeWrittenTheDialogSaysSoAndStaysOpen) {
    Installation installation;
    std::filesystem::create_directories(testing::utf8Path(installation.settingsFile()));
    std::filesystem::create_directories(testing::utf8Path(installation.perUserSettingsFile()));
    const std::set<std::string> before = contentsOf(installation.folder());
    ConfigureRun run(installation);
    const HWND dialog = run.dialog();
    ASSERT_NE(dialog, nullptr);
    click(dialog, pointIn(place::kSet));
    std::wstring text;
    const HWND box = messageShown(text);
    ASSERT_NE(box, nullptr) << "no message";
    keepScreenshot(captureClient(box), "dialog-not-saved");
    EXPECT_EQ(text, L"設定を保存できませんでした。");
    EXPECT_EQ(testing::findWindow({.className = "Button", .parent = box}), GetDlgItem(box, IDOK))
        << "OK only";
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    settle(500);
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_FALSE(run.endsWithin(500));
    EXPECT_EQ(contentsOf(installation.folder()), before) << "the failed save left something";
}

// The language of the system the test runs in, for the names of its pictures.
std::string languageName() {
    const char* language = std::getenv("VELMORA_WINE_LANG");
    return language ? language : "ja_JP";
}

// In every system language: "設定" after choosing "音楽CD" saves, a new "/c" shows that choice,
// and a second "設定" leaves the file's bytes as they were.
TEST(SettingsDialogLanguage, TheAudioCdIsSavedShownAgainAndSavedAgainUnchanged) {
    Installation installation;
    writeText(installation.settingsFile(), settingsText(" 0", " 0", ""));
    {
        ConfigureRun run(installation);
        ASSERT_NE(run.dialog(), nullptr);
        ASSERT_TRUE(chooseCdAndSet(run)) << "not saved";
    }
    const std::string saved = readText(installation.settingsFile());
    expectSavedFile(saved, 1, 0, "");
    ConfigureRun again(installation);
    ASSERT_NE(again.dialog(), nullptr);
    expectSourceLook(again.dialog(), {1, true, false}, "dialog-" + languageName());
    click(again.dialog(), pointIn(place::kSet));
    ASSERT_TRUE(again.endsWithin(5000));
    EXPECT_EQ(readText(installation.settingsFile()), saved);
}

// A music file in a folder named in the system's language is stored as it is; one in a folder
// without a form in the code page by its short name, or refused with the message.
TEST(SettingsDialogLanguage, AMusicFileIsStoredByItsNameOrItsShortNameOrRefused) {
    Installation installation;
    const std::string local = installation.path(testing::musicFolderName());
    const std::string foreign = installation.path(testing::kNameOutsideTheCodePages);
    for (const std::string& folder : {local, foreign}) {
        std::filesystem::create_directories(testing::utf8Path(folder));
        writeText(folder + "\\tone.mp3", "ID3");
    }
    {
        ConfigureRun run(installation);
        ASSERT_NE(run.dialog(), nullptr);
        ASSERT_TRUE(chooseFile(run.dialog(), local + "\\tone.mp3"));
        click(run.dialog(), pointIn(place::kSet));
        ASSERT_TRUE(run.endsWithin(5000));
    }
    expectSavedFile(readText(installation.settingsFile()), 2, 0, local + "\\tone.mp3");

    ConfigureRun run(installation);
    ASSERT_NE(run.dialog(), nullptr);
    ASSERT_TRUE(chooseFile(run.dialog(), foreign + "\\tone.mp3"));
    std::wstring text;
    const HWND refused = messageShown(text, Millis(1000));
    if (refused) {
        EXPECT_EQ(text,
                  L"このファイルの名前は保存できません。別の場所のファイルを選んでください。");
        PostMessageW(refused, WM_COMMAND, IDOK, 0);
        settle(500);
    }
    click(run.dialog(), pointIn(place::kSet));
    ASSERT_TRUE(run.endsWithin(5000));
    const std::string stored =
        win32::fromAnsi(iniValue(readText(installation.settingsFile()), "BGMﾌｧｲﾙ"));
    std::printf("[figures] %s: %s stored as it is; one in %s %s\n", languageName().c_str(),
                testing::musicFolderName().c_str(), testing::kNameOutsideTheCodePages,
                refused ? "refused" : ("stored as " + stored).c_str());
    if (refused) {
        EXPECT_EQ(stored, local + "\\tone.mp3");
    } else {
        EXPECT_NE(stored, foreign + "\\tone.mp3");
        EXPECT_NE(GetFileAttributesA(win32::toAnsi(stored).c_str()), INVALID_FILE_ATTRIBUTES)
            << "the short name names no file: " << stored;
    }
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
        drag(dialog, pointIn(place::kCancel), pointIn(place::kSet), button.down, button.up);
        settle(300);
        ASSERT_TRUE(IsWindow(dialog)) << button.name;
        EXPECT_EQ(savedSettings(), before) << button.name;
        // Released outside every button, it clicks nothing either.
        drag(dialog, pointIn(place::kCancel), {4, 4}, button.down, button.up);
        ASSERT_TRUE(IsWindow(dialog)) << button.name << " released on the form";
    }
    // The buttons still click as before.
    click(dialog, pointIn(place::kCancel), true);
    EXPECT_TRUE(run->endsWithin(5000));
    EXPECT_EQ(savedSettings(), before);
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

    // Every control with a window of its own, against 1.5 times its place at 96 dpi.
    const auto at96 = [](const ControlPlace& control) {
        base::PixelRect at = base::toPixels(control.twips, 15, 15);
        if (control.parent == Parent::Panel) {
            const base::PixelRect panel = base::toPixels(place::kPanel.twips, 15, 15);
            at.left += panel.left;
            at.top += panel.top;
        }
        return at;
    };
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
    const auto withinAPixel = [](double actual, double expected) {
        return std::abs(actual - expected) <= 1.0;
    };
    for (const ControlPlace& control :
         {place::kPanel, place::kRepeat, place::kFileButton, place::kSet, place::kCancel}) {
        const base::PixelRect design = at96(control);
        // The combo box takes the height of its text field; its place and width are the design's.
        const bool ownHeight = control.name != std::string_view("BGM_Repeat");
        bool found = false;
        for (const RECT& child : children) {
            const bool matches =
                withinAPixel(child.left, design.left * 1.5) &&
                withinAPixel(child.top, design.top * 1.5) &&
                withinAPixel(child.right - child.left, design.width * 1.5) &&
                (!ownHeight || withinAPixel(child.bottom - child.top, design.height * 1.5));
            if (matches && !found) {
                std::printf(
                    "[figures] %s at 96 dpi %d, %d, %d x %d; at 144 dpi %ld, %ld, %ld x %ld\n",
                    std::string(control.name).c_str(), design.left, design.top, design.width,
                    design.height, child.left, child.top, child.right - child.left,
                    child.bottom - child.top);
            }
            found |= matches;
        }
        EXPECT_TRUE(found) << control.name << " not at 1.5 times " << design.left << ", "
                           << design.top << ", " << design.width << ", " << design.height;
    }

    // Drawn at that scale: the faces of the buttons from their pictures, the marks, the texts.
    const forms::PixelImage shot = captureClient(dialog);
    keepScreenshot(shot, "dialog-144dpi");
    const auto scaled = [&](const ControlPlace& control) {
        const base::PixelRect design = at96(control);
        return RECT{static_cast<LONG>(design.left * 1.5), static_cast<LONG>(design.top * 1.5),
                    static_cast<LONG>((design.left + design.width) * 1.5),
                    static_cast<LONG>((design.top + design.height) * 1.5)};
    };
    for (const ControlPlace& button : {place::kFileButton, place::kSet, place::kCancel}) {
        const RECT area = scaled(button);
        // Row 1 of the face picture, its frame, lands on row 2 once stretched 1.5 times.
        EXPECT_TRUE(
            closeTo(colourAt(shot, (area.left + area.right) / 2, area.top + 2), kFrameNormal))
            << button.name;
        // The caption, dark on the face's light middle.
        EXPECT_GT(countNear(shot, area, kBlack, 60), 8) << button.name << " caption";
    }
    const RECT fileMark = scaled(place::kMarkFile);
    // The marks are 12-pixel pictures shown at their natural size.
    EXPECT_TRUE(closeTo(colourAt(shot, fileMark.left + 6, fileMark.top + 6), kMarkOn));
    const RECT noneMark = scaled(place::kMarkNone);
    EXPECT_TRUE(closeTo(colourAt(shot, noneMark.left + 6, noneMark.top + 6), kMarkOff));
    for (const ControlPlace& label : {place::kHeading, place::kLabelNone, place::kLabelCd,
                                      place::kLabelFile, place::kRepeatCaption}) {
        EXPECT_GT(countNear(shot, scaled(label), kBlack, 60), 12) << label.name << label.index;
    }
    for (const ControlPlace& label : {place::kCredit, place::kUrl}) {
        EXPECT_GT(countNear(shot, scaled(label), kWhite, 30), 30) << label.name;
    }
    click(dialog, pointIn(place::kCancel));
    EXPECT_TRUE(run.endsWithin(5000));
}

} // namespace velmora::dialog

// Driving the settings dialog of a real Velmora.scr under Wine: an installation folder with its
// own settings file, the running program, its windows, mouse and keyboard input, pictures of the
// screen and where the dialog's controls are on them, and the settings file it writes.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>

#include "base/Rect.h"
#include "contract/SharedNames.h"
#include "saver/dialog/core/DialogLayout.h"
#include "saver/forms/core/PixelImage.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/WindowWait.h"

namespace velmora::dialog {

// A folder holding copies of Velmora.scr and Velmora.dll from VELMORA_BIN_DIR and a settings
// file; removed with everything in it at the end. Its user has an application-data folder of
// its own: %APPDATA% of this process, which the programs started from it inherit, points there
// while the installation exists.
class Installation {
public:
    Installation();
    // At a given place (UTF-8), such as "C:\vel-é".
    explicit Installation(std::string folder);
    ~Installation();
    Installation(const Installation&) = delete;
    Installation& operator=(const Installation&) = delete;

    // UTF-8 path of the folder, or of a name inside it.
    const std::string& folder() const { return folder_.path(); }
    std::string path(const std::string& name) const { return folder_ / name; }
    std::string settingsFile() const { return path(contract::kSettingsFileName); }
    std::string perUserSettingsFile() const {
        return appData_ / contract::kPerUserFolderName + "\\" + contract::kSettingsFileName;
    }

private:
    explicit Installation(testing::ScratchFolder folder);

    testing::ScratchFolder folder_;
    testing::ScratchFolder appData_;
    std::wstring previousAppData_;
};

// The value of key in a settings file's bytes (code page 932), or "<missing>".
std::string iniValue(const std::string& fileBytes, const std::string& utf8Key);
// A settings file with the three keys, in the system's code page.
std::string settingsText(const std::string& kind, const std::string& repeat,
                         const std::string& file);
// The whole file as "設定" leaves it: section and keys in the code page, the numbers with their
// leading blank (Windows) or without it (Wine's profile writer).
void expectSavedFile(const std::string& bytes, int kind, int repeat, const std::string& file);

// A running "Velmora.scr /c" of an installation, ended if it still runs at the end.
class ConfigureRun {
public:
    explicit ConfigureRun(const Installation& installation);

    // The shown "<Velmora>" window, or null when none appeared.
    HWND dialog() const { return dialog_; }
    // True when the program ended within the time, with exit code 0.
    bool endsWithin(DWORD milliseconds) const;

private:
    testing::ChildProcess process_;
    HWND dialog_ = nullptr;
};

// A top-level window of the dialog's program that has been shown.
HWND waitForShown(const char* title, testing::Millis timeout = testing::Millis(10000));
// The program's message box and its text; null when none showed.
HWND messageShown(std::wstring& text, testing::Millis timeout = testing::Millis(5000));

// Each test has a folder of its own with Velmora.scr, Velmora.dll and a settings file.
class SettingsDialog : public ::testing::Test {
protected:
    // Writes the settings and starts "Velmora.scr /c"; the shown dialog, or null.
    HWND open(const std::string& settings);
    std::string savedSettings() const;

    Installation installation;
    std::optional<ConfigureRun> run;
};

// Input at a point of a window's client area, as the user gives it.
void moveMouse(HWND window, POINT client);
void click(HWND window, POINT client, bool rightButton = false);
// A press at one point and its release at another, with a mouse button's down and up flags.
void drag(HWND window, POINT from, POINT to, DWORD downFlag, DWORD upFlag);
void typeText(const std::wstring& text);
// Lets the program handle the input and paint.
void settle(DWORD milliseconds = 300);

// The picture saved as a bitmap file among the test artifacts (dialog-shots in the build
// folder).
void keepScreenshot(const forms::PixelImage& image, const std::string& name);

// Colours of a captured picture; the test screen has 16 bits per pixel, so channels compare
// within a tolerance.
struct Rgb {
    int red;
    int green;
    int blue;
};
constexpr Rgb kMarkOn{46, 99, 216};
constexpr Rgb kMarkOff{255, 255, 255};
constexpr Rgb kFrameNormal{0, 60, 116};
constexpr Rgb kFrameDisabled{201, 199, 186};
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
Rgb colourAt(const forms::PixelImage& image, int x, int y);
bool closeTo(Rgb actual, Rgb expected, int tolerance = 10);
// How many pixels of a rectangle are closer than the tolerance to a colour.
int countNear(const forms::PixelImage& image, RECT area, Rgb colour, int tolerance);

// A control's rectangle in pixels of the dialog's client area, at the screen's own scale.
base::PixelRect pixels(const ControlLayout& control);
RECT areaOf(const ControlLayout& control);
// A point well inside the control's left part, where even a text sized label has its text.
POINT pointIn(const ControlLayout& control);
// The colour of a mark's middle, and of the frame across the top edge of a button's face.
Rgb markColour(const forms::PixelImage& shot, const ControlLayout& mark);
Rgb frameColour(const forms::PixelImage& shot, const ControlLayout& button);

std::wstring repeatBoxText(HWND dialog);
// Which source is marked (-1: none), and whether the repeat box and "..." are enabled, on the
// screen; the picture is kept under shotName.
struct SourceLook {
    int chosen;
    bool repeatBox;
    bool fileButton;
};
void expectSourceLook(HWND dialog, const SourceLook& look, const std::string& shotName);

// Chooses the audio CD with the repeat box left empty, then "設定"; true when the dialog closed.
bool chooseCdAndSet(ConfigureRun& run);
// Chooses the music file source and, in the file chooser, the file typed as a full path; true
// when the chooser closed.
bool chooseFile(HWND dialog, const std::string& path);

} // namespace velmora::dialog

// Driving the settings dialog of a real Velmora.scr under Wine: an installation folder with its
// own settings file, the running program, its windows, mouse and keyboard input, and pictures
// of the screen.
#pragma once

#include <windows.h>

#include <string>

#include "contract/SharedNames.h"
#include "saver/forms/core/PixelImage.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/ScratchFolder.h"

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
Rgb colourAt(const forms::PixelImage& image, int x, int y);
bool closeTo(Rgb actual, Rgb expected, int tolerance = 10);
// How many pixels of a rectangle are closer than the tolerance to a colour.
int countNear(const forms::PixelImage& image, RECT area, Rgb colour, int tolerance);

} // namespace velmora::dialog

// What the end-to-end tests of Velmora.scr need to act as the screensaver host: a folder with
// copies of the programs, starting them with real command lines, the process behind a window,
// and the built-in pictures.
#pragma once

#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

#include "tests/support/ChildProcess.h"
#include "tests/support/MessagePump.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/WindowWait.h"

namespace velmora::launcher {

using Clock = std::chrono::steady_clock;
using testing::Millis;
using testing::pumpMessages;
using testing::waitForWindow;
using testing::waitPumping;

// A fresh folder in the temporary folder, or at a given place (UTF-8), with Velmora.scr (and
// Velmora.dll unless told not to) copied from %VELMORA_BIN_DIR%. Removed again with what it
// holds.
class ProgramFolder {
public:
    explicit ProgramFolder(bool withRenderer = true);
    ProgramFolder(const std::string& path, bool withRenderer);

    const std::string& path() const { return folder_.path(); }
    // Writes Velmora.ini beside the programs, byte for byte.
    void writeSettings(const std::string& bytes) const;

private:
    ProgramFolder(testing::ScratchFolder folder, bool withRenderer);

    testing::ScratchFolder folder_;
};

// When a process was started: the base that is made first, so the time is taken just before.
struct StartTime {
    Clock::time_point start = Clock::now();
};

// A started Velmora.scr; the process is ended when it goes out of scope and still runs.
class SaverProcess : private StartTime, public testing::ChildProcess {
public:
    SaverProcess(const ProgramFolder& folder, const std::string& arguments);

    Clock::time_point startTime() const { return start; }
};

// A visible top-level window standing in for the host's preview area, white inside, on top.
HWND makeHostWindow(int left, int top, int width, int height);

// The process that owns a window, opened for waiting, its times and ending it; null when gone.
HANDLE processOfWindow(HWND window);

// The pixels of a screen rectangle, rows from the top, 0x00RRGGBB.
std::vector<uint32_t> captureScreen(const RECT& area);

// A bitmap resource of this program (the pictures of saver_assets) as its raw 24-bit rows,
// bottom-up, and its size.
struct ResourcePicture {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rows; // bottom-up, blue-green-red, padded to 4 bytes
    uint32_t at(int x, int y) const; // y counted from the top; 0x00RRGGBB
};
ResourcePicture resourcePicture(int id);

// True when two colours are equal once both are cut to the 16-bit screen's 5-6-5 levels.
bool sameOnScreen(uint32_t a, uint32_t b);

// How many pixels of a screen rectangle are not black.
int litPixels(const RECT& area);

} // namespace velmora::launcher

// What the end-to-end tests of Velmora.scr need to act as the screensaver host: a folder with
// copies of the programs, starting them with real command lines, waiting for windows and
// processes while pumping this thread's messages, and the built-in pictures.
#pragma once

#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

using Clock = std::chrono::steady_clock;
using Millis = std::chrono::milliseconds;

// A fresh folder in the temporary folder, or at a given place (UTF-8), with Velmora.scr (and
// Velmora.dll unless told not to) copied from %VELMORA_BIN_DIR%. Removed again with what it
// holds.
class ProgramFolder {
public:
    explicit ProgramFolder(bool withRenderer = true);
    ProgramFolder(const std::string& path, bool withRenderer);
    ~ProgramFolder();
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

    const std::string& path() const { return path_; }
    // Writes Velmora.ini beside the programs, byte for byte.
    void writeSettings(const std::string& bytes) const;

private:
    std::string path_;
    static inline int serial_ = 0;
};

// A started Velmora.scr; the process is ended by the destructor if it still runs.
class SaverProcess {
public:
    SaverProcess(const ProgramFolder& folder, const std::string& arguments);
    ~SaverProcess();
    SaverProcess(const SaverProcess&) = delete;
    SaverProcess& operator=(const SaverProcess&) = delete;

    bool started() const { return process_ != nullptr; }
    HANDLE handle() const { return process_; }
    Clock::time_point startTime() const { return start_; }
    // True when the process has ended within the time.
    bool waitForExit(Millis timeout) const;
    bool running() const { return !waitForExit(Millis(0)); }

private:
    HANDLE process_ = nullptr;
    Clock::time_point start_;
};

// A visible top-level window standing in for the host's preview area, white inside, on top.
HWND makeHostWindow(int left, int top, int width, int height);

// Waits for a top-level window of that title (hidden ones included); null when none came.
HWND waitForWindow(const char* title, Millis timeout);
// Waits until no top-level window of that title is left.
bool waitForNoWindow(const char* title, Millis timeout);
// Waits for a handle to be signalled while this thread's messages keep flowing.
bool waitPumping(HANDLE handle, Millis timeout);
// Lets this thread's messages flow for a while.
void pumpFor(Millis time);

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

// The whole of a file; empty when it cannot be read.
std::vector<unsigned char> readFile(const std::string& path);

// %TEMP% of this process with a trailing backslash.
std::string temporaryFolder();

// True when two colours are equal once both are cut to the 16-bit screen's 5-6-5 levels.
bool sameOnScreen(uint32_t a, uint32_t b);

// How many pixels of a screen rectangle are not black.
int litPixels(const RECT& area);

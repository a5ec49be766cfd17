// Helpers for acting as the screensaver host (see SaverHost.h).
#include "SaverHost.h"
#include "contract/SharedNames.h"

#include "saver/text/AnsiText.h"
#include "tests/support/ScreenCapture.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

bool copyProgram(const std::string& name, const std::string& to) {
    const std::string from = environment("VELMORA_BIN_DIR") + "\\" + name;
    return CopyFileW(velmora::text::toWide(from).c_str(),
                     velmora::text::toWide(to + "\\" + name).c_str(), FALSE) != 0;
}

} // namespace

ProgramFolder::ProgramFolder(bool withRenderer)
    : ProgramFolder(temporaryFolder() + "velmora-host-" + std::to_string(GetCurrentProcessId()) +
                        "-" + std::to_string(++serial_),
                    withRenderer) {}

ProgramFolder::ProgramFolder(const std::string& path, bool withRenderer) : path_(path) {
    std::filesystem::create_directories(std::filesystem::path(velmora::text::toWide(path_)));
    copyProgram("Velmora.scr", path_);
    if (withRenderer) {
        copyProgram(velmora::contract::kRendererFileName, path_);
    }
}

ProgramFolder::~ProgramFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(velmora::text::toWide(path_)), ignored);
}

void ProgramFolder::writeSettings(const std::string& bytes) const {
    std::ofstream(std::filesystem::path(
                      velmora::text::toWide(path_ + "\\" + velmora::contract::kSettingsFileName)),
                  std::ios::binary)
        << bytes;
}

SaverProcess::SaverProcess(const ProgramFolder& folder, const std::string& arguments) {
    const std::wstring program = velmora::text::toWide(folder.path() + "\\Velmora.scr");
    std::wstring commandLine = L"\"" + program + L"\"" +
                               (arguments.empty() ? L"" : L" " + velmora::text::toWide(arguments));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    start_ = Clock::now();
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        velmora::text::toWide(folder.path()).c_str(), &startup, &info)) {
        return;
    }
    CloseHandle(info.hThread);
    process_ = info.hProcess;
}

SaverProcess::~SaverProcess() {
    if (!process_) {
        return;
    }
    if (running()) {
        TerminateProcess(process_, 1);
    }
    WaitForSingleObject(process_, 5000);
    CloseHandle(process_);
}

bool SaverProcess::waitForExit(Millis timeout) const {
    return process_ && waitPumping(process_, timeout);
}

bool waitPumping(HANDLE handle, Millis timeout) {
    const auto deadline = Clock::now() + timeout;
    for (;;) {
        const auto left = std::chrono::duration_cast<Millis>(deadline - Clock::now());
        const DWORD wait = left.count() > 0 ? static_cast<DWORD>(left.count()) : 0;
        const DWORD result = MsgWaitForMultipleObjects(1, &handle, FALSE, wait, QS_ALLINPUT);
        if (result == WAIT_OBJECT_0) {
            return true;
        }
        if (result != WAIT_OBJECT_0 + 1) {
            return false;
        }
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

void pumpFor(Millis time) {
    HANDLE never = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    waitPumping(never, time);
    CloseHandle(never);
}

HWND makeHostWindow(int left, int top, int width, int height) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = "VelmoraTestHost";
    RegisterClassA(&windowClass);
    return CreateWindowExA(WS_EX_TOPMOST, "VelmoraTestHost", "host",
                           WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, left, top, width, height,
                           nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

HWND waitForWindow(const char* title, Millis timeout) {
    const auto deadline = Clock::now() + timeout;
    for (;;) {
        if (HWND window = FindWindowA(nullptr, title)) {
            return window;
        }
        if (Clock::now() >= deadline) {
            return nullptr;
        }
        pumpFor(Millis(5));
    }
}

bool waitForNoWindow(const char* title, Millis timeout) {
    const auto deadline = Clock::now() + timeout;
    while (FindWindowA(nullptr, title)) {
        if (Clock::now() >= deadline) {
            return false;
        }
        pumpFor(Millis(5));
    }
    return true;
}

HANDLE processOfWindow(HWND window) {
    DWORD id = 0;
    if (!window || !GetWindowThreadProcessId(window, &id)) {
        return nullptr;
    }
    return OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE, FALSE,
                       id);
}

uint32_t ResourcePicture::at(int x, int y) const {
    const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
    const unsigned char* pixel = &rows[(height - 1 - y) * stride + x * 3];
    return pixel[2] << 16 | pixel[1] << 8 | pixel[0];
}

ResourcePicture resourcePicture(int id) {
    ResourcePicture picture;
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(2)); // RT_BITMAP
    if (!found) {
        return picture;
    }
    const auto* data =
        static_cast<const unsigned char*>(LockResource(LoadResource(nullptr, found)));
    const auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(data);
    picture.width = header->biWidth;
    picture.height = header->biHeight;
    picture.rows.assign(data + header->biSize, data + SizeofResource(nullptr, found));
    return picture;
}

std::vector<unsigned char> readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

std::string temporaryFolder() {
    char folder[MAX_PATH + 1] = {};
    GetTempPathA(sizeof folder, folder);
    return folder;
}

bool sameOnScreen(uint32_t a, uint32_t b) {
    const auto cut = [](uint32_t c) { return c & 0xF8FCF8; };
    return cut(a) == cut(b);
}

std::vector<uint32_t> captureScreen(const RECT& area) {
    return captureScreenArea(area).pixels;
}

int litPixels(const RECT& area) {
    const std::vector<uint32_t> pixels = captureScreen(area);
    return static_cast<int>(pixels.size() - std::count(pixels.begin(), pixels.end(), 0u));
}

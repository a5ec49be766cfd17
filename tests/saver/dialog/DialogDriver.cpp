// Driving Velmora.scr's settings dialog under Wine (see DialogDriver.h).
#include "DialogDriver.h"
#include "contract/SharedNames.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "saver/text/AnsiText.h"
#include "tests/support/ScreenCapture.h"

namespace velmora::dialog {

namespace {

std::filesystem::path widePath(const std::string& utf8) {
    return velmora::text::toWide(utf8);
}

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

void sendMouse(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof(input));
}

void sendKey(WORD virtualKey, wchar_t character, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = character;
    input.ki.dwFlags = flags;
    SendInput(1, &input, sizeof(input));
}

} // namespace

Installation::Installation()
    : Installation(environment("VELMORA_BIN_DIR") + "\\dialog-test-" +
                   std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++count_)) {}

Installation::Installation(std::string folder)
    : folder_(std::move(folder)), appData_(folder_ + "-appdata") {
    makeFolder(folder_);
    makeFolder(appData_);
    const std::string bin = environment("VELMORA_BIN_DIR");
    for (const char* program : {"Velmora.scr", velmora::contract::kRendererFileName}) {
        std::filesystem::copy_file(widePath(bin + "\\" + program), widePath(path(program)),
                                   std::filesystem::copy_options::overwrite_existing);
    }
    wchar_t previous[32768] = {};
    GetEnvironmentVariableW(L"APPDATA", previous, 32768);
    previousAppData_ = previous;
    SetEnvironmentVariableW(L"APPDATA", velmora::text::toWide(appData_).c_str());
}

Installation::~Installation() {
    SetEnvironmentVariableW(L"APPDATA", previousAppData_.c_str());
    std::error_code ignored;
    for (const std::string& made : {folder_, appData_}) {
        std::filesystem::remove_all(widePath(made), ignored);
    }
}

void makeFolder(const std::string& path) {
    std::filesystem::create_directories(widePath(path));
}

void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream file(widePath(path), std::ios::binary | std::ios::trunc);
    file << bytes;
}

std::string readBytes(const std::string& path) {
    std::ifstream file(widePath(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

std::string iniValue(const std::string& fileBytes, const std::string& utf8Key) {
    const std::string start = velmora::text::toAnsi(utf8Key) + "=";
    size_t at = 0;
    while (at < fileBytes.size()) {
        size_t end = fileBytes.find('\n', at);
        if (end == std::string::npos) {
            end = fileBytes.size();
        }
        std::string line = fileBytes.substr(at, end - at);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.compare(0, start.size(), start) == 0) {
            return line.substr(start.size());
        }
        at = end + 1;
    }
    return "<missing>";
}

ConfigureRun::ConfigureRun(const Installation& installation) {
    // The pointer starts off the dialog, so no button shows its hover look.
    SetCursorPos(1, 1);
    std::wstring commandLine =
        L"\"" + velmora::text::toWide(installation.path("Velmora.scr")) + L"\" /c";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        velmora::text::toWide(installation.folder()).c_str(), &startup,
                        &process_)) {
        ADD_FAILURE() << "Velmora.scr did not start";
        return;
    }
    dialog_ = waitForWindow(velmora::text::toWide(velmora::contract::kDialogTitle).c_str(), 20000);
    settle(700); // the first painting and the zoom
}

ConfigureRun::~ConfigureRun() {
    if (!process_.hProcess) {
        return;
    }
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

bool ConfigureRun::endsWithin(DWORD milliseconds) const {
    DWORD code = 1;
    return process_.hProcess &&
           WaitForSingleObject(process_.hProcess, milliseconds) == WAIT_OBJECT_0 &&
           GetExitCodeProcess(process_.hProcess, &code) && code == 0;
}

HWND waitForWindow(const wchar_t* title, DWORD milliseconds) {
    const DWORD start = GetTickCount();
    do {
        HWND window = FindWindowW(nullptr, title);
        if (window && IsWindowVisible(window)) {
            return window;
        }
        Sleep(50);
    } while (GetTickCount() - start < milliseconds);
    return nullptr;
}

HWND findChild(HWND parent, const wchar_t* className) {
    struct Search {
        const wchar_t* className;
        HWND found;
    } search{className, nullptr};
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM data) -> BOOL {
            auto* search = reinterpret_cast<Search*>(data);
            wchar_t name[64] = {};
            GetClassNameW(child, name, 64);
            if (lstrcmpiW(name, search->className) != 0) {
                return TRUE;
            }
            search->found = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void moveMouse(HWND window, POINT client) {
    ClientToScreen(window, &client);
    SetCursorPos(client.x, client.y);
    sendMouse(MOUSEEVENTF_MOVE); // a move message for the window under the pointer
    settle(150);
}

void click(HWND window, POINT client, bool rightButton) {
    moveMouse(window, client);
    sendMouse(rightButton ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
    settle(100);
    sendMouse(rightButton ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
    settle();
}

void drag(HWND window, POINT from, POINT to, DWORD downFlag, DWORD upFlag) {
    moveMouse(window, from);
    sendMouse(downFlag);
    settle(100);
    moveMouse(window, to);
    sendMouse(upFlag);
    settle();
}

void typeText(const std::wstring& text) {
    for (wchar_t character : text) {
        sendKey(0, character, KEYEVENTF_UNICODE);
        sendKey(0, character, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP);
    }
    settle();
}

void pressKey(WORD virtualKey) {
    sendKey(virtualKey, 0, 0);
    sendKey(virtualKey, 0, KEYEVENTF_KEYUP);
    settle();
}

void settle(DWORD milliseconds) {
    Sleep(milliseconds);
}

void pumpMessages(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&msg);
        }
        Sleep(10);
    }
}

forms::PixelImage captureClient(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    return captureScreenArea(
        {origin.x, origin.y, origin.x + client.right, origin.y + client.bottom});
}

void keepScreenshot(const forms::PixelImage& image, const std::string& name) {
    const std::string folder = environment("VELMORA_BIN_DIR") + "\\dialog-shots";
    std::filesystem::create_directories(widePath(folder));
    const std::vector<uint8_t> bytes = forms::encodeBmp24(image);
    writeBytes(folder + "\\" + name + ".bmp", std::string(bytes.begin(), bytes.end()));
}

Rgb colourAt(const forms::PixelImage& image, int x, int y) {
    const uint32_t pixel = image.at(x, y);
    return {static_cast<int>(pixel >> 16 & 0xFF), static_cast<int>(pixel >> 8 & 0xFF),
            static_cast<int>(pixel & 0xFF)};
}

bool closeTo(Rgb actual, Rgb expected, int tolerance) {
    return std::abs(actual.red - expected.red) <= tolerance &&
           std::abs(actual.green - expected.green) <= tolerance &&
           std::abs(actual.blue - expected.blue) <= tolerance;
}

int countNear(const forms::PixelImage& image, RECT area, Rgb colour, int tolerance) {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            count += closeTo(colourAt(image, x, y), colour, tolerance) ? 1 : 0;
        }
    }
    return count;
}

} // namespace velmora::dialog

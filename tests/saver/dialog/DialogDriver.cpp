// Driving Velmora.scr's settings dialog under Wine (see DialogDriver.h).
#include "DialogDriver.h"
#include "contract/SharedNames.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "base/Twips.h"
#include "base/win32/PlatformText.h"
#include "saver/forms/Screen.h"
#include "tests/support/BuiltFile.h"
#include "tests/support/Environment.h"
#include "tests/support/Files.h"
#include "tests/support/KeyTap.h"
#include "tests/support/MouseInput.h"
#include "tests/support/ScreenCapture.h"

namespace velmora::dialog {
namespace {

using testing::sendMouse;

void sendCharacter(wchar_t character, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wScan = character;
    input.ki.dwFlags = KEYEVENTF_UNICODE | flags;
    SendInput(1, &input, sizeof(input));
}

testing::ProcessStart configureStart(const Installation& installation) {
    // The pointer starts off the dialog, so no button shows its hover look.
    SetCursorPos(1, 1);
    std::string commandLine = "\"";
    commandLine += installation.path("Velmora.scr");
    commandLine += "\" /c";
    return {.commandLine = commandLine, .folder = installation.folder()};
}

} // namespace

Installation::Installation()
    : Installation(
          testing::ScratchFolder("dialog-test", testing::environmentOr("VELMORA_BIN_DIR"))) {}

Installation::Installation(std::string folder) : Installation(testing::ScratchFolder::at(folder)) {}

Installation::Installation(testing::ScratchFolder folder)
    : folder_(std::move(folder)),
      appData_(testing::ScratchFolder::at(folder_.path() + "-appdata")) {
    for (const char* program : {"Velmora.scr", contract::kRendererFileName}) {
        EXPECT_TRUE(testing::copyBuiltFile(program, folder_.path())) << program;
    }
    wchar_t previous[32768] = {};
    GetEnvironmentVariableW(L"APPDATA", previous, 32768);
    previousAppData_ = previous;
    SetEnvironmentVariableW(L"APPDATA", win32::toWide(appData_.path()).c_str());
}

Installation::~Installation() {
    SetEnvironmentVariableW(L"APPDATA", previousAppData_.c_str());
}

std::string iniValue(const std::string& fileBytes, const std::string& utf8Key) {
    const std::string start = win32::toAnsi(utf8Key) + "=";
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

std::string settingsText(const std::string& kind, const std::string& repeat,
                         const std::string& file) {
    return win32::toAnsi("[Section]\r\nBGM区分=" + kind + "\r\nBGMﾘﾋﾟｰﾄ=" + repeat +
                         "\r\nBGMﾌｧｲﾙ=" + file + "\r\n");
}

void expectSavedFile(const std::string& bytes, int kind, int repeat, const std::string& file) {
    // (A blank put in front with append, not +, which GCC's -Wrestrict misreads at -O3.)
    const std::string plain = settingsText(std::to_string(kind), std::to_string(repeat), file);
    const std::string blankLed =
        settingsText(std::string(1, ' ').append(std::to_string(kind)),
                     std::string(1, ' ').append(std::to_string(repeat)), file);
    EXPECT_TRUE(bytes == plain || bytes == blankLed) << "the file holds:\n" << bytes;
    if (GetACP() == 932) {
        EXPECT_NE(bytes.find("\x42\x47\x4D\x8B\xE6\x95\xAA="), std::string::npos) << "BGM区分";
    }
}

ConfigureRun::ConfigureRun(const Installation& installation)
    : process_(configureStart(installation)) {
    if (!process_.started()) {
        ADD_FAILURE() << "Velmora.scr did not start";
        return;
    }
    dialog_ = testing::waitForWindow({.title = contract::kDialogTitle, .visibleOnly = true},
                                     testing::Millis(20000));
    settle(700); // the first painting and the zoom
}

bool ConfigureRun::endsWithin(DWORD milliseconds) const {
    return process_.waitForExit(testing::Millis(milliseconds)) && process_.exitCode() == 0;
}

HWND waitForShown(const char* title, testing::Millis timeout) {
    return testing::waitForWindow({.title = title, .visibleOnly = true}, timeout);
}

HWND messageShown(std::wstring& text, testing::Millis timeout) {
    const HWND box = waitForShown("Velmora", timeout);
    wchar_t buffer[128] = {};
    GetDlgItemTextW(box, 0xFFFF, buffer, 128);
    text = buffer;
    return box;
}

HWND SettingsDialog::open(const std::string& settings) {
    testing::writeText(installation.settingsFile(), settings);
    run.reset();
    run.emplace(installation);
    return run->dialog();
}

std::string SettingsDialog::savedSettings() const {
    return testing::readText(installation.settingsFile());
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
        sendCharacter(character, 0);
        sendCharacter(character, KEYEVENTF_KEYUP);
    }
    settle();
}

void settle(DWORD milliseconds) {
    Sleep(milliseconds);
}

void keepScreenshot(const forms::PixelImage& image, const std::string& name) {
    const std::string folder = testing::builtFile("dialog-shots");
    std::filesystem::create_directories(testing::utf8Path(folder));
    testing::writeBytes(folder + "\\" + name + ".bmp", forms::encodeBmp24(image));
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

base::PixelRect pixels(const ControlLayout& control) {
    base::PixelRect at =
        base::toPixels(control.twips, forms::screenTwipsPerPixelX(), forms::screenTwipsPerPixelY());
    if (control.parent == Parent::Panel) {
        const base::PixelRect panel = pixels(layout::kPanel);
        at.left += panel.left;
        at.top += panel.top;
    }
    return at;
}

RECT areaOf(const ControlLayout& control) {
    const base::PixelRect at = pixels(control);
    return {at.left, at.top, at.left + at.width, at.top + at.height};
}

POINT pointIn(const ControlLayout& control) {
    const base::PixelRect at = pixels(control);
    return {at.left + 5, at.top + at.height / 2};
}

Rgb markColour(const forms::PixelImage& shot, const ControlLayout& mark) {
    const base::PixelRect at = pixels(mark);
    return colourAt(shot, at.left + 6, at.top + 6);
}

Rgb frameColour(const forms::PixelImage& shot, const ControlLayout& button) {
    const base::PixelRect at = pixels(button);
    return colourAt(shot, at.left + at.width / 2, at.top + 1);
}

std::wstring repeatBoxText(HWND dialog) {
    wchar_t text[64] = {};
    SendMessageW(testing::findWindow({.className = "ComboBox", .parent = dialog}), WM_GETTEXT, 64,
                 reinterpret_cast<LPARAM>(text));
    return text;
}

void expectSourceLook(HWND dialog, const SourceLook& look, const std::string& shotName) {
    const forms::PixelImage shot = testing::captureClient(dialog);
    keepScreenshot(shot, shotName);
    const ControlLayout marks[] = {layout::kMarkNone, layout::kMarkCd, layout::kMarkFile};
    for (int index = 0; index < 3; ++index) {
        EXPECT_TRUE(
            closeTo(markColour(shot, marks[index]), index == look.chosen ? kMarkOn : kMarkOff))
            << shotName << ": mark " << index;
    }
    HWND box = testing::findWindow({.className = "ComboBox", .parent = dialog});
    EXPECT_EQ(box && IsWindowEnabled(box), look.repeatBox) << shotName;
    EXPECT_TRUE(closeTo(frameColour(shot, layout::kFileButton),
                        look.fileButton ? kFrameNormal : kFrameDisabled))
        << shotName << ": file button";
}

bool chooseCdAndSet(ConfigureRun& run) {
    click(run.dialog(), pointIn(layout::kLabelCd));
    click(run.dialog(), pointIn(layout::kSet));
    return run.endsWithin(5000);
}

bool chooseFile(HWND dialog, const std::string& path) {
    click(dialog, pointIn(layout::kLabelFile));
    click(dialog, pointIn(layout::kFileButton));
    const HWND chooser = waitForShown("ﾌｧｲﾙを開く");
    if (!chooser) {
        return false;
    }
    settle(500);
    typeText(win32::toWide(path));
    testing::tapKey(VK_RETURN);
    settle(800);
    return !IsWindow(chooser);
}

} // namespace velmora::dialog

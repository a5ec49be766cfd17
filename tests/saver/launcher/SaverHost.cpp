// Helpers for acting as the screensaver host (see SaverHost.h).
#include "SaverHost.h"
#include "contract/SharedNames.h"

#include "tests/support/BuiltFile.h"
#include "tests/support/Files.h"
#include "tests/support/ScreenCapture.h"

#include <algorithm>

namespace velmora::launcher {

ProgramFolder::ProgramFolder(bool withRenderer)
    : ProgramFolder(testing::ScratchFolder("velmora-host"), withRenderer) {}

ProgramFolder::ProgramFolder(const std::string& path, bool withRenderer)
    : ProgramFolder(testing::ScratchFolder::at(path), withRenderer) {}

ProgramFolder::ProgramFolder(testing::ScratchFolder folder, bool withRenderer)
    : folder_(std::move(folder)) {
    testing::copyBuiltFile("Velmora.scr", path());
    if (withRenderer) {
        testing::copyBuiltFile(contract::kRendererFileName, path());
    }
}

void ProgramFolder::writeSettings(const std::string& bytes) const {
    testing::writeText(folder_ / contract::kSettingsFileName, bytes);
}

SaverProcess::SaverProcess(const ProgramFolder& folder, const std::string& arguments)
    : ChildProcess({.program = folder.path() + "\\Velmora.scr",
                    .commandLine = "\"" + folder.path() + "\\Velmora.scr\"" +
                                   (arguments.empty() ? "" : " " + arguments),
                    .folder = folder.path()}) {}

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

bool sameOnScreen(uint32_t a, uint32_t b) {
    const auto cut = [](uint32_t c) { return c & 0xF8FCF8; };
    return cut(a) == cut(b);
}

std::vector<uint32_t> captureScreen(const RECT& area) {
    return testing::captureScreenArea(area).pixels;
}

int litPixels(const RECT& area) {
    const std::vector<uint32_t> pixels = captureScreen(area);
    return static_cast<int>(pixels.size() - std::count(pixels.begin(), pixels.end(), 0u));
}

} // namespace velmora::launcher

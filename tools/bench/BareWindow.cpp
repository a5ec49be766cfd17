// The least a Windows program can do to show a titled window: the yardstick for the renderer's
// start-up. Its words on the command line add one of the renderer's start-up costs each:
//   mode   switch the display to 1024 x 768 at 16 bits first (restored at the end)
//   libs   load the renderer's libraries first (opengl32, glu32, winmm)
// It runs until its window is closed.
#include <windows.h>

#include <cstring>
#include <initializer_list>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    const bool changeMode = std::strstr(commandLine, "mode") != nullptr;
    if (std::strstr(commandLine, "libs")) {
        for (const char* library : {"opengl32.dll", "glu32.dll", "winmm.dll"}) {
            LoadLibraryA(library);
        }
    }
    if (changeMode) {
        DEVMODEA mode{};
        mode.dmSize = sizeof mode;
        mode.dmPelsWidth = 1024;
        mode.dmPelsHeight = 768;
        mode.dmBitsPerPel = 16;
        mode.dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT;
        ChangeDisplaySettingsA(&mode, CDS_FULLSCREEN);
    }
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = [](HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_CLOSE) {
            PostQuitMessage(0);
            return LRESULT{0};
        }
        return DefWindowProcA(window, message, wParam, lParam);
    };
    windowClass.hInstance = instance;
    windowClass.lpszClassName = "VelmoraBare";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, "VelmoraBare", "Velmora bare window", WS_OVERLAPPEDWINDOW, 0,
                                  0, 400, 300, nullptr, nullptr, instance, nullptr);
    ShowWindow(window, SW_SHOW);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        DispatchMessageA(&message);
    }
    DestroyWindow(window);
    if (changeMode) {
        ChangeDisplaySettingsA(nullptr, 0);
    }
    return 0;
}

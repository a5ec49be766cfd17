// A stand-in for the renderer that is slow to open its window: it waits 1.2 s, shows a window
// titled "Vantri_VC" for 0.8 s and exits. The saver form's test runs it as Velmora.dll.
#include <windows.h>

#include "contract/SharedNames.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    Sleep(1200);
    HWND window = CreateWindowExA(0, "STATIC", velmora::contract::kRendererWindowTitle, WS_POPUP, 0,
                                  0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    const ULONGLONG end = GetTickCount64() + 800;
    MSG msg;
    while (GetTickCount64() < end) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageA(&msg);
        }
        Sleep(10);
    }
    DestroyWindow(window);
    return 0;
}

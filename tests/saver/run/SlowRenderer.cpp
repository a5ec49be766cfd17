// A stand-in for a renderer whose display mode is refused: it asks its question (captioned as
// the renderer's), answers it itself with "yes" after 1.2 s, shows a window titled "Vantri_VC"
// for 0.8 s and exits. The saver form's test runs it as Velmora.dll.
#include <windows.h>

#include "contract/SharedNames.h"

namespace {

void CALLBACK answerYes(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    EndDialog(FindWindowA("#32770", velmora::contract::kRefusedModeCaption), IDYES);
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    SetTimer(nullptr, 0, 1200, answerYes);
    MessageBoxA(nullptr, "windowed?", velmora::contract::kRefusedModeCaption, MB_YESNO);
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

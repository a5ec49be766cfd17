// Mouse hold of forms and picture boxes (see MouseHold.h).
#include "saver/forms/MouseHold.h"

void holdMouseWhilePressed(HWND window, UINT message) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        SetCapture(window);
        break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        if (GetCapture() == window && !(GetKeyState(VK_LBUTTON) < 0 ||
                                        GetKeyState(VK_RBUTTON) < 0 || GetKeyState(VK_MBUTTON) < 0))
            ReleaseCapture();
        break;
    }
}

// The modal message loop (see ModalShow.h).
#include "saver/forms/ModalShow.h"

#include <windows.h>

#include "saver/forms/Form.h"

namespace velmora::forms {

void showModal(Form& form) {
    form.show();
    if (!form.loaded()) {
        return;
    }
    if (HWND first = GetNextDlgTabItem(form.hwnd(), nullptr, FALSE)) {
        SetFocus(first);
    }
    MSG msg{};
    while (form.loaded()) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            // Leave the quit request for the program's own loop.
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (got < 0) {
            return;
        }
        if (form.loaded() && IsDialogMessageW(form.hwnd(), &msg)) {
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

} // namespace velmora::forms

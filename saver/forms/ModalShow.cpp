// The modal message loop (see ModalShow.h).
#include "saver/forms/ModalShow.h"

#include <windows.h>

#include "saver/forms/Form.h"
#include "saver/forms/Program.h"

namespace velmora::forms {

void showModal(Form& form) {
    form.show();
    if (!form.loaded()) {
        return;
    }
    if (HWND first = GetNextDlgTabItem(form.hwnd(), nullptr, FALSE)) {
        SetFocus(first);
    }
    if (const std::optional<int> quit = deliverMessages(form, TabKeys::MoveFocus)) {
        // Leave the quit request for the program's own loop.
        PostQuitMessage(*quit);
    }
}

} // namespace velmora::forms

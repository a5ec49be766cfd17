// The message loop and the end of the program (see Program.h).
#include "saver/forms/Program.h"

#include <windows.h>

#include "saver/forms/Form.h"

namespace velmora::forms {

namespace {
bool ending = false;
}

std::optional<int> deliverMessages(const Form& form, TabKeys keys) {
    MSG msg{};
    while (form.loaded()) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            return static_cast<int>(msg.wParam);
        }
        if (got < 0) {
            break;
        }
        if (keys == TabKeys::MoveFocus && form.loaded() && IsDialogMessageW(form.hwnd(), &msg)) {
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return std::nullopt;
}

int runMessageLoop(const Form& form) {
    return deliverMessages(form, TabKeys::AsTheyCome).value_or(0);
}

bool programEnding() {
    return ending;
}

void endProgram() {
    ending = true;
    ExitProcess(0);
}

} // namespace velmora::forms

// The message loop and the end of the program (see Program.h).
#include "saver/forms/Program.h"

#include <windows.h>

#include "saver/forms/Form.h"

namespace velmora::forms {

namespace {
bool ending = false;
}

int runMessageLoop() {
    MSG msg{};
    while (loadedFormCount() > 0) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            return static_cast<int>(msg.wParam);
        }
        if (got < 0) {
            break;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}

bool programEnding() {
    return ending;
}

void endProgram() {
    ending = true;
    ExitProcess(0);
}

} // namespace velmora::forms

// The message loops, the tab order and the end of the program (see Program.h).
#include "saver/forms/Program.h"

#include <algorithm>
#include <map>

#include "saver/forms/Form.h"

namespace velmora::forms {

namespace {

bool ending = false;

void addStyle(HWND window, int index, LONG_PTR bits) {
    SetWindowLongPtrW(window, index, GetWindowLongPtrW(window, index) | bits);
}

} // namespace

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

void applyTabOrder(std::vector<TabStop> stops) {
    std::erase_if(stops, [](const TabStop& stop) { return !stop.window; });
    std::sort(stops.begin(), stops.end(),
              [](const TabStop& a, const TabStop& b) { return a.tabIndex < b.tabIndex; });
    // Each window in turn goes behind the stop before it among its siblings, so the lowest index
    // ends up first.
    std::map<HWND, HWND> lastOfParent;
    for (const TabStop& stop : stops) {
        addStyle(stop.window, GWL_STYLE, WS_TABSTOP);
        HWND parent = GetParent(stop.window);
        if (parent && (GetWindowLongPtrW(parent, GWL_STYLE) & WS_CHILD)) {
            addStyle(parent, GWL_EXSTYLE, WS_EX_CONTROLPARENT);
        }
        const auto last = lastOfParent.find(parent);
        SetWindowPos(stop.window, last != lastOfParent.end() ? last->second : HWND_TOP, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        lastOfParent[parent] = stop.window;
    }
}

bool programEnding() {
    return ending;
}

void endProgram() {
    ending = true;
    ExitProcess(0);
}

} // namespace velmora::forms

// Tab order through window styles and sibling order (see TabOrder.h).
#include "saver/forms/TabOrder.h"

#include <algorithm>
#include <map>

namespace velmora::forms {

namespace {
void addStyle(HWND window, int index, LONG_PTR bits) {
    SetWindowLongPtrW(window, index, GetWindowLongPtrW(window, index) | bits);
}
} // namespace

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

} // namespace velmora::forms

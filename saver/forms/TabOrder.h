// Tab order: the windowed controls of a form reached with the Tab key, in the order of their tab
// indexes, across containers.
#pragma once

#include <windows.h>

#include <vector>

namespace velmora::forms {

struct TabStop {
    int tabIndex;
    HWND window;
};

// Marks every window a tab stop and stacks siblings in tab-index order, which is the order the
// keyboard follows; a container that holds stops is searched as part of its form.
void applyTabOrder(std::vector<TabStop> stops);

} // namespace velmora::forms

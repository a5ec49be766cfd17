// Subclassing windows of other procedures (see WindowSubclass.h).
#include "saver/forms/WindowSubclass.h"

namespace velmora::forms {

void WindowSubclass::attach(HWND window, void* self) {
    detach();
    window_ = window;
    if (window_) {
        SetWindowSubclass(window_, procedure_, id_, reinterpret_cast<DWORD_PTR>(self));
    }
}

void WindowSubclass::detach() {
    if (window_ && IsWindow(window_)) {
        RemoveWindowSubclass(window_, procedure_, id_);
    }
    window_ = nullptr;
}

} // namespace velmora::forms

// A subclass that a control puts on a window it does not own the procedure of (its form, its
// container or a platform control), taken off again when the form goes.
#pragma once

#include <windows.h>

#include <commctrl.h>

namespace velmora::forms {

class WindowSubclass {
public:
    WindowSubclass(SUBCLASSPROC procedure, UINT_PTR id) : procedure_(procedure), id_(id) {}
    ~WindowSubclass() { detach(); }
    WindowSubclass(const WindowSubclass&) = delete;
    WindowSubclass& operator=(const WindowSubclass&) = delete;

    // The procedure gets self as its reference data; a null window is simply not subclassed.
    void attach(HWND window, void* self);
    // Off the window, unless the window is already gone.
    void detach();
    // The subclassed window, null while there is none.
    HWND window() const { return window_; }

private:
    SUBCLASSPROC procedure_;
    UINT_PTR id_;
    HWND window_ = nullptr;
};

} // namespace velmora::forms

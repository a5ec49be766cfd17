// The form's drawing surface and Resize event (see FormSurface.h).
#include "saver/forms/FormSurface.h"

#include <commctrl.h>

#include "saver/forms/Form.h"

namespace {
constexpr UINT_PTR kSubclassId = 0x5352;
} // namespace

FormSurface::FormSurface(Form& form, COLORREF backColour, int clientWidthTwips,
                         int clientHeightTwips)
    : form_(form), box_(form, {0, 0, clientWidthTwips, clientHeightTwips, true, backColour, 0}) {
    form_.addControl(*this);
}

FormSurface::~FormSurface() {
    formDestroyed();
    form_.removeControl(*this);
}

SIZE FormSurface::scaleSize() const {
    RECT client{};
    if (box_.hwnd()) {
        GetClientRect(box_.hwnd(), &client);
    }
    return {client.right, client.bottom};
}

void FormSurface::formCreated(HWND form) {
    window_ = form;
    shown_ = false;
    // Everything else the form holds lies above the surface.
    SetWindowPos(box_.hwnd(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowSubclass(form, &FormSurface::subclassProc, kSubclassId,
                      reinterpret_cast<DWORD_PTR>(this));
}

void FormSurface::formDestroyed() {
    if (window_ && IsWindow(window_)) {
        RemoveWindowSubclass(window_, &FormSurface::subclassProc, kSubclassId);
    }
    window_ = nullptr;
}

LRESULT CALLBACK FormSurface::subclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR, DWORD_PTR self) {
    auto* surface = reinterpret_cast<FormSurface*>(self);
    const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
    if (message == WM_SIZE && surface->shown_) {
        surface->resized();
    }
    // A hidden form is sized when it is made; it reports that size when it is first shown.
    if (message == WM_SHOWWINDOW && wParam && !surface->shown_) {
        surface->shown_ = true;
        surface->resized();
    }
    return result;
}

void FormSurface::resized() {
    if (onResize) {
        onResize();
    }
}

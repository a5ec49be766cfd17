// The form's drawing surface and Resize event (see FormSurface.h).
#include "saver/forms/FormSurface.h"

#include "saver/forms/Form.h"

namespace velmora::forms {

namespace {
constexpr UINT_PTR kSubclassId = 0x5352;
} // namespace

FormSurface::FormSurface(Form& form, COLORREF backColour, int clientWidthTwips,
                         int clientHeightTwips)
    : form_(form), box_(form, {{0, 0, clientWidthTwips, clientHeightTwips}, true, backColour, 0}),
      subclass_(&FormSurface::subclassProc, kSubclassId) {
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
    shown_ = false;
    // Everything else the form holds lies above the surface.
    SetWindowPos(box_.hwnd(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    subclass_.attach(form, this);
}

void FormSurface::formDestroyed() {
    subclass_.detach();
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

} // namespace velmora::forms

// The windowless-control host: a subclass of the container window (see Windowless.h).
#include "saver/forms/Windowless.h"

#include <windowsx.h>

#include "saver/forms/Form.h"
#include "saver/forms/MousePress.h"
#include "saver/forms/ScreenPointer.h"

namespace velmora::forms {

namespace {
constexpr UINT_PTR kSubclassId = 0x564C;
} // namespace

WindowlessHost::WindowlessHost(Form& form, ContainerWindow container)
    : form_(form), container_(std::move(container)),
      subclass_(&WindowlessHost::subclassProc, kSubclassId) {
    form_.addControl(*this);
}

WindowlessHost::~WindowlessHost() {
    formDestroyed();
    form_.removeControl(*this);
}

void WindowlessHost::add(WindowlessControl& control) {
    controls_.push_back(&control);
    invalidate(control.bounds());
}

void WindowlessHost::invalidate(const RECT& area) {
    if (subclass_.window()) {
        InvalidateRect(subclass_.window(), &area, FALSE);
    }
}

void WindowlessHost::formCreated(HWND form) {
    const HWND window = container_(form);
    if (!window) {
        return;
    }
    // Child windows in the container must not be painted over by the controls below them.
    SetWindowLongPtrW(window, GWL_STYLE, GetWindowLongPtrW(window, GWL_STYLE) | WS_CLIPCHILDREN);
    subclass_.attach(window, this);
}

void WindowlessHost::formDestroyed() {
    subclass_.detach();
    pressed_ = nullptr;
}

LRESULT CALLBACK WindowlessHost::subclassProc(HWND, UINT message, WPARAM wParam, LPARAM lParam,
                                              UINT_PTR, DWORD_PTR self) {
    return reinterpret_cast<WindowlessHost*>(self)->handle(message, wParam, lParam);
}

LRESULT WindowlessHost::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND window = subclass_.window();
    // Button messages go on to the container, which holds the mouse while a button is down.
    if (const std::optional<ButtonMessage> button = buttonMessageOf(message)) {
        if (button->down) {
            buttonDown(button->button, lParam);
        } else {
            buttonUp(button->button, lParam);
        }
        return DefSubclassProc(window, message, wParam, lParam);
    }
    switch (message) {
    case WM_PAINT: {
        // The container paints only what was dirty; the controls go over exactly that part.
        HRGN dirty = CreateRectRgn(0, 0, 0, 0);
        const bool any = GetUpdateRgn(window, dirty, FALSE) != NULLREGION;
        const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        if (any) {
            paintOver(dirty);
        }
        DeleteObject(dirty);
        return result;
    }
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT && reinterpret_cast<HWND>(wParam) == window &&
            setPointer()) {
            return TRUE;
        }
        break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

void WindowlessHost::paintOver(HRGN dirty) {
    HDC dc = GetDC(subclass_.window());
    if (!dc) {
        return;
    }
    SelectClipRgn(dc, dirty);
    for (WindowlessControl* control : controls_) {
        control->paint(dc);
    }
    ReleaseDC(subclass_.window(), dc);
}

WindowlessControl* WindowlessHost::controlAt(POINT point) const {
    // The last added lies on top.
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        const RECT area = (*it)->bounds();
        if ((*it)->takesMouse() && PtInRect(&area, point)) {
            return *it;
        }
    }
    return nullptr;
}

void WindowlessHost::buttonDown(MouseButton button, LPARAM position) {
    WindowlessControl* target = controlAt({GET_X_LPARAM(position), GET_Y_LPARAM(position)});
    if (!target) {
        return;
    }
    if (button == MouseButton::Left) {
        pressed_ = target;
    }
    target->mouseDown(button);
}

void WindowlessHost::buttonUp(MouseButton button, LPARAM position) {
    WindowlessControl* pressed = pressed_;
    if (button != MouseButton::Left || !pressed) {
        return;
    }
    pressed_ = nullptr;
    if (controlAt({GET_X_LPARAM(position), GET_Y_LPARAM(position)}) == pressed) {
        pressed->click();
    }
}

bool WindowlessHost::setPointer() {
    HCURSOR pointer = screenPointerOverride();
    if (!pointer) {
        POINT point{};
        GetCursorPos(&point);
        ScreenToClient(subclass_.window(), &point);
        if (WindowlessControl* control = controlAt(point)) {
            pointer = control->pointer();
        }
    }
    // Containers without a class pointer would keep whatever pointer was shown last.
    SetCursor(pointer ? pointer : LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)));
    return true;
}

} // namespace velmora::forms

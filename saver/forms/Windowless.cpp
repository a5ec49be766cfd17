// The windowless-control host, a subclass of the container window, and the rectangle shape
// (see Windowless.h).
#include "saver/forms/Windowless.h"

#include <windowsx.h>

#include <algorithm>

#include "saver/forms/MousePress.h"

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
    presses_.lost();
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
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != window) {
            presses_.lost();
        }
        break;
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

// Ids count the controls from 1 in the order they were added; 0 is the background.
uintptr_t WindowlessHost::idOf(const WindowlessControl* control) const {
    const auto it = std::find(controls_.begin(), controls_.end(), control);
    return it == controls_.end() ? WindowlessPress::kBackground
                                 : static_cast<uintptr_t>(it - controls_.begin()) + 1;
}

WindowlessControl* WindowlessHost::controlOf(uintptr_t id) const {
    return id == WindowlessPress::kBackground || id > controls_.size() ? nullptr
                                                                       : controls_[id - 1];
}

void WindowlessHost::buttonDown(MouseButton button, LPARAM position) {
    const WindowlessControl* under = controlAt({GET_X_LPARAM(position), GET_Y_LPARAM(position)});
    if (WindowlessControl* target = controlOf(presses_.press(idOf(under), button))) {
        target->mouseDown(button);
    }
}

void WindowlessHost::buttonUp(MouseButton button, LPARAM position) {
    const WindowlessControl* under = controlAt({GET_X_LPARAM(position), GET_Y_LPARAM(position)});
    if (const std::optional<uintptr_t> clicked = presses_.release(idOf(under), button)) {
        if (WindowlessControl* target = controlOf(*clicked)) {
            target->click();
        }
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
    SetCursor(pointer ? pointer : arrowPointer());
    return true;
}

ShapeRect::ShapeRect(WindowlessHost& host, ShapeRectDesign design) : design_(design) {
    host.add(*this);
}

RECT ShapeRect::bounds() const {
    return windowRect(design_.rect);
}

void ShapeRect::paint(HDC dc) {
    HBRUSH border = CreateSolidBrush(design_.borderColour);
    const RECT area = bounds();
    FrameRect(dc, &area, border);
    DeleteObject(border);
}

} // namespace velmora::forms

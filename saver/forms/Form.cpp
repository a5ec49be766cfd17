// Form: a top-level window with load, query-unload and unload events, and the window classes
// and subclasses its controls build on (see Form.h).
#include "saver/forms/Form.h"

#include <algorithm>

#include "base/Twips.h"
#include "base/win32/PlatformText.h"
#include "saver/forms/MousePress.h"
#include "saver/forms/Program.h"

namespace velmora::forms {

namespace {

constexpr wchar_t kClassName[] = L"VelmoraForm";
constexpr DWORD kFixedSingleStyle = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kFixedSingleExStyle = WS_EX_WINDOWEDGE;

} // namespace

FormDesign fixedSingleFormDesign(std::string caption, int clientWidthTwips, int clientHeightTwips,
                                 COLORREF backColour, HICON icon) {
    RECT outer{0, 0, base::pixelsFromTwips(clientWidthTwips, screenTwipsPerPixelX()),
               base::pixelsFromTwips(clientHeightTwips, screenTwipsPerPixelY())};
    AdjustWindowRectEx(&outer, kFixedSingleStyle, FALSE, kFixedSingleExStyle);
    FormDesign design;
    design.caption = std::move(caption);
    design.style = kFixedSingleStyle;
    design.exStyle = kFixedSingleExStyle;
    design.backColour = backColour;
    design.icon = icon;
    const TwipsSize size = twipsOfPixels(outer.right - outer.left, outer.bottom - outer.top);
    design.rect.width = size.width;
    design.rect.height = size.height;
    return design;
}

Form::Form(FormDesign design) : design_(std::move(design)) {
    backBrush_ = CreateSolidBrush(design_.backColour);
}

Form::~Form() {
    if (window_) {
        unloading_ = true;
        DestroyWindow(window_);
    }
    DeleteObject(backBrush_);
}

void Form::load() {
    if (window_) {
        return;
    }
    createWindow();
    if (!window_) {
        return;
    }
    for (Control* control : controls_) {
        control->formCreated(window_);
    }
    if (onLoad) {
        onLoad();
    }
}

void Form::createWindow() {
    registerWindowClass(kClassName, &Form::windowProc, arrowPointer());
    const std::wstring caption = win32::toWide(design_.caption);
    const base::PixelRect rect = screenPixels(design_.rect);
    CreateWindowExW(design_.exStyle, kClassName, caption.c_str(), design_.style & ~WS_VISIBLE,
                    rect.left, rect.top, rect.width, rect.height, nullptr, nullptr,
                    GetModuleHandleW(nullptr), this);
    if (window_ && design_.icon) {
        SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(design_.icon));
        SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(design_.icon));
    }
}

void Form::show() {
    load();
    if (window_) {
        ShowWindow(window_, SW_SHOWNORMAL);
    }
}

void Form::hide() {
    if (window_) {
        ShowWindow(window_, SW_HIDE);
    }
}

void Form::unload(UnloadMode mode) {
    if (!window_ || unloading_) {
        return;
    }
    bool cancel = false;
    if (onQueryUnload) {
        onQueryUnload(cancel, mode);
    }
    if (cancel || !window_) {
        return;
    }
    unloading_ = true;
    if (onUnload) {
        onUnload();
    }
    DestroyWindow(window_);
}

TwipsSize Form::windowSizeTwips() const {
    RECT outer{};
    if (!window_ || !GetWindowRect(window_, &outer)) {
        return {};
    }
    return twipsOfPixels(outer.right - outer.left, outer.bottom - outer.top);
}

void Form::move(const base::TwipsRect& rect) {
    design_.rect = rect;
    moveWindow(window_, screenPixels(rect));
}

void Form::repaint() {
    if (window_) {
        InvalidateRect(window_, nullptr, TRUE);
    }
}

void Form::addControl(Control& control) {
    controls_.push_back(&control);
    if (window_) {
        control.formCreated(window_);
    }
}

void Form::removeControl(Control& control) {
    controls_.erase(std::remove(controls_.begin(), controls_.end(), &control), controls_.end());
}

LRESULT CALLBACK Form::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        form->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!form || programEnding()) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return form->handle(message, wParam, lParam);
}

LRESULT Form::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND window = window_;
    followMousePress(presses_, window, message, lParam);
    switch (message) {
    case WM_ERASEBKGND:
        return 1; // WM_PAINT fills the background with the controls in one go
    case WM_PAINT:
        onPaint();
        return 0;
    case WM_TIMER:
        onTimer(static_cast<UINT_PTR>(wParam));
        return 0;
    case WM_CLOSE:
        unload(UnloadMode::ControlMenu);
        return 0;
    case WM_QUERYENDSESSION:
        return TRUE;
    case WM_ENDSESSION:
        if (wParam) {
            unload(UnloadMode::AppWindows);
        }
        return 0;
    case WM_DESTROY:
        onDestroyed();
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void Form::onPaint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window_, &paint);
    RECT client;
    GetClientRect(window_, &client);
    FillRect(dc, &client, backBrush_);
    for (Control* control : controls_) {
        control->paint(dc);
    }
    EndPaint(window_, &paint);
}

void Form::onTimer(UINT_PTR id) {
    for (Control* control : controls_) {
        if (control->timerFired(id)) {
            return;
        }
    }
}

// Reached by unload, and also when the window is destroyed from outside (a parent window of
// another program going away): the form is then gone without being asked.
void Form::onDestroyed() {
    const bool asked = unloading_;
    unloading_ = true;
    if (!asked && onUnload) {
        onUnload();
    }
    for (Control* control : controls_) {
        control->formDestroyed();
    }
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    window_ = nullptr;
    unloading_ = false;
    // A loop waiting in GetMessage for this form to go is woken to see that it has.
    PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);
}

void registerWindowClass(const wchar_t* name, WNDPROC procedure, HCURSOR cursor) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    if (GetClassInfoExW(GetModuleHandleW(nullptr), name, &windowClass)) {
        return;
    }
    windowClass = WNDCLASSEXW{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = cursor;
    windowClass.lpszClassName = name;
    RegisterClassExW(&windowClass);
}

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

// Command: the Win32 window of the push button. The window procedure only turns messages into
// events of the button's logic; the logic's requests come back as drawing on the surface.
#include "saver/button/Command.h"

#include "base/Twips.h"
#include "saver/forms/MousePress.h"

namespace velmora::button {

namespace {

constexpr wchar_t kClassName[] = L"Vantri.Command";
constexpr unsigned kPollIntervalMs = 100;

} // namespace

Command::Command(forms::Form& form, forms::ContainerWindow container, CommandDesign design)
    : form_(form), container_(std::move(container)), design_(std::move(design)),
      tmrMouse_(form, kPollIntervalMs, false) {
    tmrMouse_.onTick = [this] { pollPointer(); };
    form_.addControl(*this);
}

Command::~Command() {
    formDestroyed();
    form_.removeControl(*this);
}

forms::PropertyBag Command::WriteProperties() {
    forms::PropertyBag bag;
    machine_.WriteProperties(bag, design_.ambientFont);
    return bag;
}

void Command::move(const base::TwipsRect& rect) {
    design_.rect = rect;
    forms::moveWindow(window_, forms::screenPixels(rect));
}

// --- Life of the window -----------------------------------------------------------------------

void Command::formCreated(HWND form) {
    forms::registerWindowClass(kClassName, &Command::windowProc, forms::arrowPointer());
    const base::PixelRect rect = forms::screenPixels(design_.rect);
    window_ =
        CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS,
                        rect.left, rect.top, rect.width, rect.height, container_(form), nullptr,
                        GetModuleHandleW(nullptr), this);
    if (!window_) {
        return;
    }
    // The container loads the stored properties, then gives the control its size.
    ready_ = true;
    machine_.ReadProperties(design_.properties, design_.ambientFont);
    machine_.Resize();
}

void Command::formDestroyed() {
    ready_ = false;
    if (window_) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
    window_ = nullptr;
    surface_.release();
}

LRESULT CALLBACK Command::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        auto* self = static_cast<Command*>(create->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Command*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->handle(message, wParam, lParam);
}

LRESULT Command::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (forms::buttonMessageOf(message) || message == WM_CAPTURECHANGED) {
        onMouseButton(message, lParam);
        return 0;
    }
    switch (message) {
    case WM_SIZE:
        onSize();
        return 0;
    case WM_ERASEBKGND:
        return 1; // the surface covers the whole client area
    case WM_PAINT:
        onPaint();
        return 0;
    case WM_SETFOCUS:
        machine_.GotFocus();
        return 0;
    case WM_KILLFOCUS:
        machine_.LostFocus();
        return 0;
    case WM_MOUSEMOVE:
        machine_.MouseMove();
        return 0;
    case WM_NCDESTROY:
        // The container's window may take this one along before the form tells the control.
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        window_ = nullptr;
        return 0;
    case WM_SETCURSOR:
        if (HCURSOR pointer = forms::screenPointerOverride()) {
            SetCursor(pointer);
            return TRUE;
        }
        break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

// --- Translation of messages ------------------------------------------------------------------

void Command::onSize() {
    RECT client{};
    GetClientRect(window_, &client);
    surface_.resize(client.right, client.bottom);
    const double perPixelX = forms::screenTwipsPerPixelX();
    const double perPixelY = forms::screenTwipsPerPixelY();
    const int widthTwips = static_cast<int>(base::twipsFromPixels(client.right, perPixelX));
    const int heightTwips = static_cast<int>(base::twipsFromPixels(client.bottom, perPixelY));
    captionRect_ = forms::windowRect(
        base::toPixels(captionRect(widthTwips, heightTwips), perPixelX, perPixelY));
    if (ready_) {
        machine_.Resize();
    }
}

void Command::onPaint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window_, &paint);
    // A transparent button leaves whatever lies under it; the caption is drawn all the same.
    if (opaque_) {
        surface_.copyTo(dc, paint.rcPaint);
    }
    caption_.paint(dc, captionRect_);
    EndPaint(window_, &paint);
}

// The press belongs to this button whichever mouse button made it, so its release is seen
// here wherever it happens, and clicks only over this button.
void Command::onMouseButton(UINT message, LPARAM lParam) {
    // The loss of the mouse has no button of its own; it only ever ends a press.
    const std::optional<forms::ButtonMessage> pressed = forms::buttonMessageOf(message);
    const int button = static_cast<int>(pressed ? pressed->button : forms::MouseButton::Left);
    switch (forms::followMousePress(form_.presses(), window_, message, lParam)) {
    case forms::PressStep::Press:
        // A left press focuses the button before the press itself is seen.
        if (button == kLeftButton && GetFocus() != window_) {
            SetFocus(window_);
        }
        machine_.MouseDown(button);
        break;
    case forms::PressStep::ReleaseOver:
        machine_.MouseUp(button);
        break;
    case forms::PressStep::ReleaseOutside:
        machine_.MouseUpElsewhere(button);
        break;
    case forms::PressStep::Lost:
        machine_.MouseCaptureLost();
        break;
    case forms::PressStep::None:
        break;
    }
}

void Command::pollPointer() {
    POINT pointer{};
    if (window_ && GetCursorPos(&pointer)) {
        machine_.TmrMouse_Timer(WindowFromPoint(pointer) == window_);
    }
}

// --- What the logic asks of the window --------------------------------------------------------

bool Command::drawFace(ButtonFace face, bool reversed) {
    const bool drawn = surface_.drawFace(face, reversed, forms::screenTwipsPerPixelX(),
                                         forms::screenTwipsPerPixelY());
    if (window_) {
        InvalidateRect(window_, nullptr, FALSE);
        UpdateWindow(window_);
    }
    return drawn;
}

void Command::showCaption(const CaptionLook& look) {
    caption_.show(look);
    if (window_) {
        SetWindowTextW(window_, caption_.text().c_str());
        InvalidateRect(window_, nullptr, FALSE);
    }
}

void Command::setOpaque(bool opaque) {
    opaque_ = opaque;
    if (window_) {
        InvalidateRect(window_, nullptr, FALSE);
    }
}

void Command::startPoll() {
    tmrMouse_.setInterval(kPollIntervalMs);
    tmrMouse_.setEnabled(true);
}

void Command::raiseClick() {
    // The handler may unload the form and with it this window: run a copy.
    if (const auto handler = onClick) {
        handler();
    }
}

void Command::propertyChanged(std::string_view key) {
    if (onPropertyChanged) {
        onPropertyChanged(key);
    }
}

} // namespace velmora::button

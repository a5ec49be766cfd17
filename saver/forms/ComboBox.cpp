// The drop-down combo box over the platform's COMBOBOX class (see ComboBox.h).
#include "saver/forms/ComboBox.h"

#include "base/win32/PlatformText.h"

namespace velmora::forms {

namespace {
// How many entries the open list shows before it scrolls.
constexpr int kVisibleItems = 8;
// The selection field is the closed height less the 3-D frame above and below it.
constexpr int kFrame = 6;
constexpr UINT_PTR kSubclassId = 0x4342;
} // namespace

ComboBox::ComboBox(Form& form, ContainerWindow container, ComboBoxDesign design)
    : form_(form), container_(std::move(container)), design_(std::move(design)),
      subclass_(&ComboBox::subclassProc, kSubclassId) {
    form_.addControl(*this);
}

ComboBox::~ComboBox() {
    formDestroyed();
    form_.removeControl(*this);
}

void ComboBox::formCreated(HWND form) {
    font_ = createFont(design_.font);
    const int listHeight = kVisibleItems * design_.rect.height;
    window_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"COMBOBOX", L"",
                              WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL,
                              design_.rect.left, design_.rect.top, design_.rect.width,
                              design_.rect.height + listHeight, container_(form), nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    if (!window_) {
        return;
    }
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    SendMessageW(window_, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), design_.rect.height - kFrame);
    back_ = CreateSolidBrush(design_.backColour);
    subclass_.attach(window_, this);
}

// The text field and the open list ask the box for their colours.
LRESULT CALLBACK ComboBox::subclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR, DWORD_PTR self) {
    auto* box = reinterpret_cast<ComboBox*>(self);
    if ((message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX) && box->back_) {
        SetBkColor(reinterpret_cast<HDC>(wParam), box->design_.backColour);
        return reinterpret_cast<LRESULT>(box->back_);
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

void ComboBox::formDestroyed() {
    subclass_.detach();
    if (window_ && IsWindow(window_)) {
        DestroyWindow(window_);
    }
    window_ = nullptr;
    if (back_) {
        DeleteObject(back_);
    }
    back_ = nullptr;
    if (font_) {
        DeleteObject(font_);
    }
    font_ = nullptr;
}

std::string ComboBox::text() const {
    if (!window_) {
        return {};
    }
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window_)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(GetWindowTextW(window_, text.data(), static_cast<int>(text.size()))));
    return win32::fromWide(text);
}

void ComboBox::setText(const std::string& text) {
    if (window_) {
        SetWindowTextW(window_, win32::toWide(text).c_str());
    }
}

void ComboBox::addItem(const std::string& item) {
    if (window_) {
        SendMessageW(window_, CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(win32::toWide(item).c_str()));
    }
}

bool ComboBox::enabled() const {
    return window_ && IsWindowEnabled(window_);
}

void ComboBox::setEnabled(bool enabled) {
    if (window_) {
        EnableWindow(window_, enabled ? TRUE : FALSE);
    }
}

} // namespace velmora::forms

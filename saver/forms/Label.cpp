// The windowless label (see Label.h).
#include "saver/forms/Label.h"

#include "base/win32/PlatformText.h"

namespace velmora::forms {

Label::Label(WindowlessHost& host, LabelDesign design)
    : host_(host), design_(std::move(design)), font_(createFont(design_.font)) {
    fitToText();
    host_.add(*this);
}

Label::~Label() {
    if (font_) {
        DeleteObject(font_);
    }
}

void Label::setCaption(const std::string& caption) {
    const RECT before = bounds();
    design_.caption = caption;
    fitToText();
    host_.invalidate(before);
    host_.invalidate(bounds());
}

RECT Label::bounds() const {
    return windowRect(design_.rect);
}

UINT Label::textFormat() const {
    // Captions such as file paths are shown as they are: no & prefixes.
    UINT format = DT_NOPREFIX | DT_WORDBREAK | DT_EDITCONTROL;
    if (design_.alignment == TextAlignment::Centre) {
        format |= DT_CENTER;
    }
    return format;
}

void Label::fitToText() {
    if (!design_.autoSize) {
        return;
    }
    HDC screen = GetDC(nullptr);
    if (!screen) {
        return;
    }
    HGDIOBJ previous = SelectObject(screen, font_);
    const std::wstring text = win32::toWide(design_.caption);
    RECT area{0, 0, 0, 0};
    DrawTextW(screen, text.c_str(), static_cast<int>(text.size()), &area,
              DT_NOPREFIX | DT_CALCRECT);
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    design_.rect.width = area.right;
    design_.rect.height = area.bottom;
}

void Label::paint(HDC dc) {
    RECT area = bounds();
    if (design_.border) {
        // A single line inside the label's bounds; the text keeps clear of it.
        FrameRect(dc, &area, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        InflateRect(&area, -1, -1);
    }
    HGDIOBJ previous = SelectObject(dc, font_);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, design_.colour);
    const std::wstring text = win32::toWide(design_.caption);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, textFormat());
    SelectObject(dc, previous);
}

void Label::mouseDown(MouseButton button) {
    if (onMouseDown) {
        onMouseDown(button);
    }
}

void Label::click() {
    if (onClick) {
        onClick();
    }
}

} // namespace velmora::forms

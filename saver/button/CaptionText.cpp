// Drawing the caption label (see CaptionText.h).
#include "saver/button/CaptionText.h"

#include "base/win32/PlatformText.h"
#include "saver/forms/PlatformFont.h"

namespace velmora::button {

namespace {

// Colour values name a system colour by its index when their top bit is set.
COLORREF resolveColour(uint32_t colour) {
    if (colour & kSystemColourFlag) {
        return GetSysColor(static_cast<int>(colour & ~kSystemColourFlag));
    }
    return colour;
}

} // namespace

CaptionText::~CaptionText() {
    if (font_) {
        DeleteObject(font_);
    }
}

void CaptionText::show(const CaptionLook& look) {
    if (!font_ || look.font != look_.font) {
        if (font_) {
            DeleteObject(font_);
        }
        font_ = forms::createFont(look.font);
    }
    text_ = win32::toWide(look.text);
    look_ = look;
}

void CaptionText::paint(HDC dc, const RECT& place) const {
    const int previousMode = SetBkMode(dc, TRANSPARENT);
    HGDIOBJ previousFont = SelectObject(dc, font_ ? font_ : GetStockObject(DEFAULT_GUI_FONT));
    if (look_.enabled) {
        drawText(dc, place, resolveColour(look_.colour));
    } else {
        // The platform's greyed text: a highlight one pixel down and right, the grey over it.
        RECT shifted = place;
        OffsetRect(&shifted, 1, 1);
        drawText(dc, shifted, GetSysColor(COLOR_3DHILIGHT));
        drawText(dc, place, GetSysColor(COLOR_GRAYTEXT));
    }
    SelectObject(dc, previousFont);
    SetBkMode(dc, previousMode);
}

void CaptionText::drawText(HDC dc, RECT place, COLORREF colour) const {
    SetTextColor(dc, colour);
    DrawTextW(dc, text_.c_str(), static_cast<int>(text_.size()), &place,
              DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
}

} // namespace velmora::button

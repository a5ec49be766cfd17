// The button's caption label: a windowless text drawn over the face, centred across the control,
// in its own font and colour, and greyed while the label is disabled.
#pragma once

#include <windows.h>

#include <string>

#include "saver/button/core/Caption.h"

namespace velmora::button {

class CaptionText {
public:
    CaptionText() = default;
    ~CaptionText();
    CaptionText(const CaptionText&) = delete;
    CaptionText& operator=(const CaptionText&) = delete;

    void show(const CaptionLook& look);
    // Draws the text into place, a rectangle in pixels of the control.
    void paint(HDC dc, const RECT& place) const;
    const std::wstring& text() const { return text_; }

private:
    void drawText(HDC dc, RECT place, COLORREF colour) const;

    CaptionLook look_;
    std::wstring text_;
    HFONT font_ = nullptr;
};

} // namespace velmora::button

// The rectangle shape: a windowless outline drawn over its container's picture. It takes no
// mouse input.
#pragma once

#include "base/Rect.h"
#include "saver/forms/Windowless.h"

namespace velmora::forms {

// Position and size in pixels within the container; a one-pixel border.
struct ShapeRectDesign {
    base::PixelRect place;
    COLORREF borderColour = RGB(0, 0, 0);
};

class ShapeRect : public WindowlessControl {
public:
    ShapeRect(WindowlessHost& host, ShapeRectDesign design);

    RECT bounds() const override;

private:
    void paint(HDC dc) override;

    ShapeRectDesign design_;
};

} // namespace velmora::forms

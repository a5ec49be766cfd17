// The rectangle shape: a windowless outline drawn over its container's picture. It takes no
// mouse input.
#pragma once

#include "saver/forms/Windowless.h"
#include "saver/forms/core/TwipsRect.h"

// Position and size in pixels within the container; a one-pixel border.
struct ShapeRectDesign {
    PixelRect place;
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

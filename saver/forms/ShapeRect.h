// The rectangle shape: a windowless outline drawn over its container's picture. It takes no
// mouse input.
#pragma once

#include "saver/forms/Windowless.h"

// Position and size in pixels within the container; a one-pixel border.
struct ShapeRectDesign {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
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

// The rectangle shape (see ShapeRect.h).
#include "saver/forms/ShapeRect.h"

ShapeRect::ShapeRect(WindowlessHost& host, ShapeRectDesign design) : design_(design) {
    host.add(*this);
}

RECT ShapeRect::bounds() const {
    const PixelRect& at = design_.place;
    return {at.left, at.top, at.left + at.width, at.top + at.height};
}

void ShapeRect::paint(HDC dc) {
    HBRUSH border = CreateSolidBrush(design_.borderColour);
    const RECT area = bounds();
    FrameRect(dc, &area, border);
    DeleteObject(border);
}

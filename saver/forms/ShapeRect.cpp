// The rectangle shape (see ShapeRect.h).
#include "saver/forms/ShapeRect.h"

ShapeRect::ShapeRect(WindowlessHost& host, ShapeRectDesign design) : design_(design) {
    host.add(*this);
}

RECT ShapeRect::bounds() const {
    return {design_.left, design_.top, design_.left + design_.width, design_.top + design_.height};
}

void ShapeRect::paint(HDC dc) {
    HBRUSH border = CreateSolidBrush(design_.borderColour);
    const RECT area = bounds();
    FrameRect(dc, &area, border);
    DeleteObject(border);
}

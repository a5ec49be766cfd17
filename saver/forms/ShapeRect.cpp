// The rectangle shape (see ShapeRect.h).
#include "saver/forms/ShapeRect.h"

#include "saver/forms/WindowPlace.h"

namespace velmora::forms {

ShapeRect::ShapeRect(WindowlessHost& host, ShapeRectDesign design) : design_(design) {
    host.add(*this);
}

RECT ShapeRect::bounds() const {
    return windowRect(design_.place);
}

void ShapeRect::paint(HDC dc) {
    HBRUSH border = CreateSolidBrush(design_.borderColour);
    const RECT area = bounds();
    FrameRect(dc, &area, border);
    DeleteObject(border);
}

} // namespace velmora::forms

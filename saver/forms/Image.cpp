// Image: a windowless picture drawn by its form (see Image.h).
#include "saver/forms/Image.h"

#include "saver/forms/Bitmaps.h"
#include "saver/forms/Form.h"

namespace velmora::forms {

Image::Image(Form& form, ImageDesign design)
    : form_(form), design_(design), picture_(loadBitmapResource(design.pictureResource)) {
    form_.addControl(*this);
}

Image::~Image() {
    form_.removeControl(*this);
    if (picture_) {
        DeleteObject(picture_);
    }
}

void Image::move(const base::PixelRect& place) {
    design_.place = place;
    form_.repaint();
}

void Image::paint(HDC dc) {
    drawBitmapClipped(dc, picture_, design_.place);
}

} // namespace velmora::forms

// Image: a windowless picture drawn by its form (see Image.h).
#include "saver/forms/Image.h"

#include "saver/forms/Bitmaps.h"
#include "saver/forms/Form.h"

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

void Image::move(int left, int top, int width, int height) {
    design_.left = left;
    design_.top = top;
    design_.width = width;
    design_.height = height;
    form_.repaint();
}

void Image::paint(HDC dc) {
    drawBitmapClipped(dc, picture_, design_.left, design_.top, design_.width, design_.height);
}

// Images painted by their form, and images with shared pictures on a windowless host
// (see Image.h).
#include "saver/forms/Image.h"

#include "saver/forms/Bitmaps.h"

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

void Image::move(const base::PixelRect& rect) {
    design_.rect = rect;
    form_.repaint();
}

void Image::paint(HDC dc) {
    drawBitmapClipped(dc, picture_, design_.rect);
}

Picture::~Picture() {
    if (bitmap_) {
        DeleteObject(bitmap_);
    }
}

std::shared_ptr<Picture> loadPicture(int resourceId) {
    return std::make_shared<Picture>(loadBitmapResource(resourceId));
}

PictureImage::PictureImage(WindowlessHost& host, PictureImageDesign design)
    : host_(host), design_(std::move(design)) {
    host_.add(*this);
}

void PictureImage::setPicture(std::shared_ptr<Picture> picture) {
    design_.picture = std::move(picture);
    host_.invalidate(bounds());
}

RECT PictureImage::bounds() const {
    return windowRect(design_.rect);
}

void PictureImage::paint(HDC dc) {
    if (design_.picture) {
        drawBitmapClipped(dc, design_.picture->bitmap(), design_.rect);
    }
}

void PictureImage::mouseDown(MouseButton button) {
    if (onMouseDown) {
        onMouseDown(button);
    }
}

} // namespace velmora::forms

// Images with shared pictures on a windowless host (see PictureImage.h).
#include "saver/forms/PictureImage.h"

#include "saver/forms/Bitmaps.h"

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
    return {design_.left, design_.top, design_.left + design_.width, design_.top + design_.height};
}

void PictureImage::paint(HDC dc) {
    if (design_.picture) {
        drawBitmapClipped(dc, design_.picture->bitmap(), design_.left, design_.top, design_.width,
                          design_.height);
    }
}

void PictureImage::mouseDown(MouseButton button) {
    if (onMouseDown) {
        onMouseDown(button);
    }
}

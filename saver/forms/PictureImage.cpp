// Images with shared pictures on a windowless host (see PictureImage.h).
#include "saver/forms/PictureImage.h"

#include "saver/forms/Bitmaps.h"
#include "saver/forms/WindowPlace.h"

namespace velmora::forms {

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
    return windowRect(design_.place);
}

void PictureImage::paint(HDC dc) {
    if (design_.picture) {
        drawBitmapClipped(dc, design_.picture->bitmap(), design_.place);
    }
}

void PictureImage::mouseDown(MouseButton button) {
    if (onMouseDown) {
        onMouseDown(button);
    }
}

} // namespace velmora::forms

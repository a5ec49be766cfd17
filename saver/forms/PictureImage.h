// An image control that lives on a windowless host, so it can sit inside a picture box as well as
// on a form. Its picture is shared: giving one image another's picture shows the same bitmap in
// both. It shows the picture at natural size, clipped, and raises MouseDown with the button.
#pragma once

#include <functional>
#include <memory>

#include "base/Rect.h"
#include "saver/forms/Windowless.h"

namespace velmora::forms {

// A bitmap that several images may show; it is deleted with the last of them.
class Picture {
public:
    explicit Picture(HBITMAP bitmap) : bitmap_(bitmap) {}
    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    HBITMAP bitmap() const { return bitmap_; }

private:
    HBITMAP bitmap_;
};

// A bitmap resource of the program as a picture; a picture without bitmap when there is none.
std::shared_ptr<Picture> loadPicture(int resourceId);

// place: in pixels within the container.
struct PictureImageDesign {
    base::PixelRect place;
    std::shared_ptr<Picture> picture;
};

class PictureImage : public WindowlessControl {
public:
    PictureImage(WindowlessHost& host, PictureImageDesign design);

    std::function<void(MouseButton)> onMouseDown;

    const std::shared_ptr<Picture>& picture() const { return design_.picture; }
    void setPicture(std::shared_ptr<Picture> picture);
    RECT bounds() const override;

private:
    void paint(HDC dc) override;
    bool takesMouse() const override { return true; }
    void mouseDown(MouseButton button) override;

    WindowlessHost& host_;
    PictureImageDesign design_;
};

} // namespace velmora::forms

// Image controls, which show a picture at natural size from the control's top-left corner, not
// stretched, cut off at the control's bounds. Image is painted by its form; PictureImage lives
// on a windowless host, so it can sit inside a picture box as well as on a form, shares its
// picture (giving one image another's picture shows the same bitmap in both) and raises
// MouseDown with the button.
#pragma once

#include <functional>
#include <memory>

#include "base/Rect.h"
#include "saver/forms/Form.h"
#include "saver/forms/Windowless.h"

namespace velmora::forms {

// rect: in pixels within the form; pictureResource is a bitmap resource id.
struct ImageDesign {
    base::PixelRect rect;
    int pictureResource = 0;
};

class Image : public Control {
public:
    Image(Form& form, ImageDesign design);
    ~Image() override;

    void move(const base::PixelRect& rect);

private:
    void paint(HDC dc) override;

    Form& form_;
    ImageDesign design_;
    HBITMAP picture_;
};

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

// rect: in pixels within the container.
struct PictureImageDesign {
    base::PixelRect rect;
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

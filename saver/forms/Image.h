// Image: a windowless picture control. Its form paints it: the picture at natural size from the
// control's top-left corner, not stretched, cut off at the control's bounds.
#pragma once

#include "saver/forms/Control.h"

class Form;

// Position and size in pixels within the form; pictureResource is a bitmap resource id.
struct ImageDesign {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int pictureResource = 0;
};

class Image : public Control {
public:
    Image(Form& form, ImageDesign design);
    ~Image() override;
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;

    void move(int left, int top, int width, int height);

private:
    void paint(HDC dc) override;

    Form& form_;
    ImageDesign design_;
    HBITMAP picture_;
};

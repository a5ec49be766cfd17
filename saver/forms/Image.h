// Image: a windowless picture control. Its form paints it: the picture at natural size from the
// control's top-left corner, not stretched, cut off at the control's bounds.
#pragma once

#include "base/Rect.h"
#include "saver/forms/Control.h"

namespace velmora::forms {

class Form;

// place: in pixels within the form; pictureResource is a bitmap resource id.
struct ImageDesign {
    base::PixelRect place;
    int pictureResource = 0;
};

class Image : public Control {
public:
    Image(Form& form, ImageDesign design);
    ~Image() override;

    void move(const base::PixelRect& place);

private:
    void paint(HDC dc) override;

    Form& form_;
    ImageDesign design_;
    HBITMAP picture_;
};

} // namespace velmora::forms

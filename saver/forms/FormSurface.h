// A form's persistent drawing surface and its Resize event. The surface is a picture box that
// covers the whole client area beneath every other control, so what is drawn on it stays and
// the form repaints from it when uncovered; windowless controls of the form are hosted on it.
#pragma once

#include <functional>

#include "saver/forms/PictureBox.h"
#include "saver/forms/WindowSubclass.h"

namespace velmora::forms {

class Form;

class FormSurface : public Control {
public:
    // clientWidthTwips and clientHeightTwips: the form's client area.
    FormSurface(Form& form, COLORREF backColour, int clientWidthTwips, int clientHeightTwips);
    ~FormSurface() override;

    // Runs when the window gets its size, which includes its first showing.
    std::function<void()> onResize;

    PictureBox& box() { return box_; }
    const PictureBox& box() const { return box_; }
    // The surface's size in pixels (the form's scale width and height).
    SIZE scaleSize() const;

private:
    static LRESULT CALLBACK subclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR self);
    void formCreated(HWND form) override;
    void formDestroyed() override;
    void resized();

    Form& form_;
    PictureBox box_;
    WindowSubclass subclass_;
    bool shown_ = false;
};

} // namespace velmora::forms

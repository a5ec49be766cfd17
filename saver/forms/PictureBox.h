// PictureBox: a child window of a form with a persistent drawing surface. What is drawn on the
// surface stays there: the window repaints from it when uncovered, and a box that is not
// visible keeps its image all the same. A design picture is drawn at its top-left corner.
// A picture box is also a container: a control sits on the form's own window or inside one.
// The form's surface is a picture box that covers the whole form.
#pragma once

#include <functional>

#include "base/Rect.h"
#include "saver/forms/Bitmaps.h"
#include "saver/forms/Form.h"
#include "saver/forms/core/PixelImage.h"

namespace velmora::forms {

// rect: in twips within the form; pictureResource is a bitmap resource id of the program (0 for
// none).
struct PictureBoxDesign {
    base::TwipsRect rect;
    bool visible = true;
    COLORREF backColour = RGB(0, 0, 0);
    int pictureResource = 0;
};

class PictureBox : public Control {
public:
    PictureBox(Form& form, PictureBoxDesign design);
    ~PictureBox() override;

    HWND hwnd() const { return window_; }
    // The drawing surface (null while the form is not loaded); call refresh() after drawing.
    HDC surface() const { return surface_.dc(); }
    void refresh();
    // The box's client area in pixels as drawn so far; empty while the form is not loaded.
    PixelImage image() const;
    // The box's size in pixels (its scale width and height); 0 x 0 while there is no window.
    SIZE scaleSize() const;

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void formCreated(HWND form) override;
    void formDestroyed() override;
    void createSurface(int width, int height);
    void drawPicture();
    void onPaint();

    Form& form_;
    PictureBoxDesign design_;
    HWND window_ = nullptr;
    MemoryBitmap surface_;
    const uint32_t* surfaceBits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

// Where a control of a form puts itself: given the form's window (known only once the form has
// been loaded), the window the control is placed in.
using ContainerWindow = std::function<HWND(HWND form)>;
ContainerWindow onForm();
ContainerWindow inside(const PictureBox& box);

// A form's persistent drawing surface and its Resize event: a picture box that covers the whole
// client area beneath every other control, so what is drawn on it stays and the form repaints
// from it when uncovered; windowless controls of the form are hosted on it.
class FormSurface : public Control {
public:
    // clientWidthTwips and clientHeightTwips: the form's client area.
    FormSurface(Form& form, COLORREF backColour, int clientWidthTwips, int clientHeightTwips);
    ~FormSurface() override;

    // Runs when the window gets its size, which includes its first showing.
    std::function<void()> onResize;

    PictureBox& box() { return box_; }
    const PictureBox& box() const { return box_; }

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

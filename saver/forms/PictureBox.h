// PictureBox: a child window of a form with a persistent drawing surface. What is drawn on the
// surface stays there: the window repaints from it when uncovered, and a box that is not
// visible keeps its image all the same. A design picture is drawn at its top-left corner.
#pragma once

#include "base/Rect.h"
#include "saver/forms/Control.h"
#include "saver/forms/MemoryBitmap.h"
#include "saver/forms/core/PixelImage.h"

namespace velmora::forms {

class Form;

// place: in twips within the form; pictureResource is a bitmap resource id of the program (0 for
// none).
struct PictureBoxDesign {
    base::TwipsRect place;
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

} // namespace velmora::forms

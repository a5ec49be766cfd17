// What the button draws: its persistent surface, a memory bitmap of the control's size that
// holds the last face drawn, so that the window repaints from it when uncovered without drawing
// again, with the six face bitmaps it draws from, loaded from the program's resources; and its
// caption label, a windowless text drawn over the face, centred across the control, in its own
// font and colour, and greyed while the label is disabled.
#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "saver/button/core/Caption.h"
#include "saver/button/core/FaceDrawing.h"
#include "saver/forms/Bitmaps.h"

namespace velmora::button {

class ButtonSurface {
public:
    ButtonSurface();
    ~ButtonSurface();
    ButtonSurface(const ButtonSurface&) = delete;
    ButtonSurface& operator=(const ButtonSurface&) = delete;

    // A new blank surface of width x height pixels; false when it could not be made.
    bool resize(int width, int height);
    void release();

    // Clears the surface, fills the face gradient and copies the border tiles of face onto it;
    // false without a surface or without that face's bitmap. Twips of the control convert at
    // the screen's scale, those of the face bitmap at its own.
    bool drawFace(ButtonFace face, bool reversed, double twipsPerPixelX, double twipsPerPixelY);

    // Copies the area of the surface to the same spot of target.
    void copyTo(HDC target, const RECT& area) const;

private:
    void fillGradient(bool reversed);
    void copyTiles(HDC source, double faceTwipsPerPixel, double twipsPerPixelX,
                   double twipsPerPixelY);

    forms::MemoryBitmap memory_;
    int width_ = 0;
    int height_ = 0;
    std::array<HBITMAP, kButtonFaceCount> faces_{}; // in the order of ButtonFace; null when missing
};

class CaptionText {
public:
    CaptionText() = default;
    ~CaptionText();
    CaptionText(const CaptionText&) = delete;
    CaptionText& operator=(const CaptionText&) = delete;

    void show(const CaptionLook& look);
    // Draws the text into rect, in pixels of the control.
    void paint(HDC dc, const RECT& rect) const;
    const std::wstring& text() const { return text_; }

private:
    void drawText(HDC dc, RECT rect, COLORREF colour) const;

    CaptionLook look_;
    std::wstring text_;
    HFONT font_ = nullptr;
};

} // namespace velmora::button

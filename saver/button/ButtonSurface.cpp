// Drawing the button face on its memory surface, and its caption (see ButtonSurface.h).
#include "saver/button/ButtonSurface.h"

#include "base/Twips.h"
#include "base/win32/PlatformText.h"
#include "saver/assets/AssetIds.h"
#include "saver/forms/Screen.h"

namespace velmora::button {

namespace {

// In the order of ButtonFace.
constexpr std::array<int, kButtonFaceCount> kFaceResources = {
    IDB_FACE_NORMAL,   IDB_FACE_HIGHLIGHT, IDB_FACE_HIGHLIGHTSELECT,
    IDB_FACE_SELECTED, IDB_FACE_PRESSED,   IDB_FACE_DISABLE};

// Colour values name a system colour by its index when their top bit is set.
COLORREF resolveColour(uint32_t colour) {
    if (colour & kSystemColourFlag) {
        return GetSysColor(static_cast<int>(colour & ~kSystemColourFlag));
    }
    return colour;
}

} // namespace

ButtonSurface::ButtonSurface() {
    for (size_t i = 0; i < kFaceResources.size(); ++i) {
        faces_[i] = forms::loadBitmapResource(kFaceResources[i]);
    }
}

ButtonSurface::~ButtonSurface() {
    release();
    for (HBITMAP face : faces_) {
        if (face) {
            DeleteObject(face);
        }
    }
}

bool ButtonSurface::resize(int width, int height) {
    release();
    if (width <= 0 || height <= 0) {
        return false;
    }
    HDC screen = GetDC(nullptr);
    const bool made =
        memory_.hold(CreateCompatibleDC(screen), CreateCompatibleBitmap(screen, width, height));
    ReleaseDC(nullptr, screen);
    if (!made) {
        return false;
    }
    width_ = width;
    height_ = height;
    return true;
}

void ButtonSurface::release() {
    memory_.release();
    width_ = height_ = 0;
}

bool ButtonSurface::drawFace(ButtonFace face, bool reversed, double twipsPerPixelX,
                             double twipsPerPixelY) {
    if (!memory_.dc()) {
        return false;
    }
    const RECT all{0, 0, width_, height_};
    FillRect(memory_.dc(), &all, GetSysColorBrush(COLOR_BTNFACE));
    fillGradient(reversed);
    HBITMAP bitmap = faces_[static_cast<size_t>(face)];
    BITMAP info{};
    if (!bitmap || !GetObjectW(bitmap, sizeof(info), &info) || info.bmWidth <= 0) {
        return false;
    }
    HDC source = CreateCompatibleDC(memory_.dc());
    HGDIOBJ previous = SelectObject(source, bitmap);
    copyTiles(source, static_cast<double>(kFaceWidthTwips) / info.bmWidth, twipsPerPixelX,
              twipsPerPixelY);
    SelectObject(source, previous);
    DeleteDC(source);
    return true;
}

void ButtonSurface::fillGradient(bool reversed) {
    const auto vertices = faceGradient(width_, height_, reversed);
    TRIVERTEX platform[4];
    for (size_t i = 0; i < vertices.size(); ++i) {
        platform[i] = {vertices[i].x,     vertices[i].y,    vertices[i].red,
                       vertices[i].green, vertices[i].blue, vertices[i].alpha};
    }
    GRADIENT_RECT faceRect{0, 1};
    GradientFill(memory_.dc(), platform, 4, &faceRect, 1, GRADIENT_FILL_RECT_V);
}

void ButtonSurface::copyTiles(HDC source, double faceTwipsPerPixel, double twipsPerPixelX,
                              double twipsPerPixelY) {
    const int widthTwips = static_cast<int>(base::twipsFromPixels(width_, twipsPerPixelX));
    const int heightTwips = static_cast<int>(base::twipsFromPixels(height_, twipsPerPixelY));
    SetStretchBltMode(memory_.dc(), COLORONCOLOR);
    for (const auto& tile : faceTiles(widthTwips, heightTwips)) {
        const base::PixelRect from =
            base::toPixels(tile.source, faceTwipsPerPixel, faceTwipsPerPixel);
        const base::PixelRect to = base::toPixels(tile.destination, twipsPerPixelX, twipsPerPixelY);
        StretchBlt(memory_.dc(), to.left, to.top, to.width, to.height, source, from.left, from.top,
                   from.width, from.height, SRCCOPY);
    }
}

void ButtonSurface::copyTo(HDC target, const RECT& area) const {
    if (memory_.dc()) {
        BitBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top,
               memory_.dc(), area.left, area.top, SRCCOPY);
    }
}

CaptionText::~CaptionText() {
    if (font_) {
        DeleteObject(font_);
    }
}

void CaptionText::show(const CaptionLook& look) {
    if (!font_ || look.font != look_.font) {
        if (font_) {
            DeleteObject(font_);
        }
        font_ = forms::createFont(look.font);
    }
    text_ = win32::toWide(look.text);
    look_ = look;
}

void CaptionText::paint(HDC dc, const RECT& rect) const {
    const int previousMode = SetBkMode(dc, TRANSPARENT);
    HGDIOBJ previousFont = SelectObject(dc, font_ ? font_ : GetStockObject(DEFAULT_GUI_FONT));
    if (look_.enabled) {
        drawText(dc, rect, resolveColour(look_.colour));
    } else {
        // The platform's greyed text: a highlight one pixel down and right, the grey over it.
        RECT shifted = rect;
        OffsetRect(&shifted, 1, 1);
        drawText(dc, shifted, GetSysColor(COLOR_3DHILIGHT));
        drawText(dc, rect, GetSysColor(COLOR_GRAYTEXT));
    }
    SelectObject(dc, previousFont);
    SetBkMode(dc, previousMode);
}

void CaptionText::drawText(HDC dc, RECT rect, COLORREF colour) const {
    SetTextColor(dc, colour);
    DrawTextW(dc, text_.c_str(), static_cast<int>(text_.size()), &rect,
              DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
}

} // namespace velmora::button

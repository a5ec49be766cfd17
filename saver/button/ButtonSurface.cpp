// Drawing the button face on its memory surface (see ButtonSurface.h).
#include "saver/button/ButtonSurface.h"

#include "saver/assets/AssetIds.h"
#include "saver/button/core/FaceDrawing.h"
#include "saver/forms/Bitmaps.h"
#include "saver/forms/core/Twips.h"
#include "saver/forms/core/TwipsRect.h"

using velmora::button::faceGradient;
using velmora::button::faceTiles;
using velmora::button::kFaceWidthTwips;

namespace {

// In the order of ButtonFace.
constexpr std::array<int, velmora::button::kButtonFaceCount> kFaceResources = {
    IDB_FACE_NORMAL,   IDB_FACE_HIGHLIGHT, IDB_FACE_HIGHLIGHTSELECT,
    IDB_FACE_SELECTED, IDB_FACE_PRESSED,   IDB_FACE_DISABLE};

} // namespace

RECT pixelRect(const TwipsRect& rect, double twipsPerPixelX, double twipsPerPixelY) {
    const PixelRect pixels = toPixels(rect, twipsPerPixelX, twipsPerPixelY);
    return {pixels.left, pixels.top, pixels.left + pixels.width, pixels.top + pixels.height};
}

ButtonSurface::ButtonSurface() {
    for (size_t i = 0; i < kFaceResources.size(); ++i) {
        faces_[i] = loadBitmapResource(kFaceResources[i]);
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
    dc_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    if (!dc_ || !bitmap_) {
        release();
        return false;
    }
    previous_ = SelectObject(dc_, bitmap_);
    width_ = width;
    height_ = height;
    return true;
}

void ButtonSurface::release() {
    if (dc_) {
        SelectObject(dc_, previous_);
        DeleteDC(dc_);
    }
    if (bitmap_) {
        DeleteObject(bitmap_);
    }
    dc_ = nullptr;
    bitmap_ = nullptr;
    width_ = height_ = 0;
}

bool ButtonSurface::drawFace(velmora::button::ButtonFace face, bool reversed, double twipsPerPixelX,
                             double twipsPerPixelY) {
    if (!dc_) {
        return false;
    }
    const RECT all{0, 0, width_, height_};
    FillRect(dc_, &all, GetSysColorBrush(COLOR_BTNFACE));
    fillGradient(reversed);
    HBITMAP bitmap = faces_[static_cast<size_t>(face)];
    BITMAP info{};
    if (!bitmap || !GetObjectW(bitmap, sizeof(info), &info) || info.bmWidth <= 0) {
        return false;
    }
    HDC source = CreateCompatibleDC(dc_);
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
        platform[i] = {vertices[i].X,     vertices[i].Y,    vertices[i].Red,
                       vertices[i].Green, vertices[i].Blue, vertices[i].Alpha};
    }
    GRADIENT_RECT faceRect{0, 1};
    GradientFill(dc_, platform, 4, &faceRect, 1, GRADIENT_FILL_RECT_V);
}

void ButtonSurface::copyTiles(HDC source, double faceTwipsPerPixel, double twipsPerPixelX,
                              double twipsPerPixelY) {
    const int widthTwips = static_cast<int>(twipsFromPixels(width_, twipsPerPixelX));
    const int heightTwips = static_cast<int>(twipsFromPixels(height_, twipsPerPixelY));
    SetStretchBltMode(dc_, COLORONCOLOR);
    for (const auto& tile : faceTiles(widthTwips, heightTwips)) {
        const RECT from = pixelRect(tile.source, faceTwipsPerPixel, faceTwipsPerPixel);
        const RECT to = pixelRect(tile.destination, twipsPerPixelX, twipsPerPixelY);
        StretchBlt(dc_, to.left, to.top, to.right - to.left, to.bottom - to.top, source, from.left,
                   from.top, from.right - from.left, from.bottom - from.top, SRCCOPY);
    }
}

void ButtonSurface::copyTo(HDC target, const RECT& area) const {
    if (dc_) {
        BitBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top, dc_,
               area.left, area.top, SRCCOPY);
    }
}

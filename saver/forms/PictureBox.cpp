// PictureBox: a child window painted from a memory surface (see PictureBox.h).
#include "saver/forms/PictureBox.h"

#include "saver/forms/Bitmaps.h"
#include "saver/forms/Form.h"
#include "saver/forms/MousePress.h"
#include "saver/forms/Screen.h"
#include "saver/forms/WindowClass.h"
#include "saver/forms/core/Twips.h"

namespace {

constexpr wchar_t kClassName[] = L"VelmoraPictureBox";

} // namespace

PictureBox::PictureBox(Form& form, PictureBoxDesign design) : form_(form), design_(design) {
    form_.addControl(*this);
}

PictureBox::~PictureBox() {
    formDestroyed();
    form_.removeControl(*this);
}

void PictureBox::formCreated(HWND form) {
    const double perPixelX = screenTwipsPerPixelX();
    const double perPixelY = screenTwipsPerPixelY();
    width_ = pixelsFromTwips(design_.widthTwips, perPixelX);
    height_ = pixelsFromTwips(design_.heightTwips, perPixelY);
    createSurface(width_, height_);
    drawPicture();

    registerWindowClass(kClassName, &PictureBox::windowProc);
    const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (design_.visible ? WS_VISIBLE : 0);
    window_ =
        CreateWindowExW(0, kClassName, L"", style, pixelsFromTwips(design_.leftTwips, perPixelX),
                        pixelsFromTwips(design_.topTwips, perPixelY), width_, height_, form,
                        nullptr, GetModuleHandleW(nullptr), nullptr);
    if (window_) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
}

void PictureBox::createSurface(int width, int height) {
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof(format.bmiHeader);
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height; // rows from the top, as PixelImage holds them
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    surfaceDc_ = CreateCompatibleDC(nullptr);
    surfaceBitmap_ = CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    surfaceBits_ = static_cast<const uint32_t*>(bits);
    if (!surfaceDc_ || !surfaceBitmap_) {
        return;
    }
    previousBitmap_ = SelectObject(surfaceDc_, surfaceBitmap_);
    HBRUSH back = CreateSolidBrush(design_.backColour);
    const RECT all{0, 0, width, height};
    FillRect(surfaceDc_, &all, back);
    DeleteObject(back);
}

void PictureBox::drawPicture() {
    HBITMAP picture = loadBitmapResource(design_.pictureResource);
    if (!picture || !surfaceBitmap_) {
        return;
    }
    drawBitmapClipped(surfaceDc_, picture, 0, 0, width_, height_);
    DeleteObject(picture);
}

void PictureBox::formDestroyed() {
    if (window_) {
        DestroyWindow(window_);
    }
    window_ = nullptr;
    if (surfaceDc_) {
        SelectObject(surfaceDc_, previousBitmap_);
        DeleteDC(surfaceDc_);
    }
    if (surfaceBitmap_) {
        DeleteObject(surfaceBitmap_);
    }
    surfaceDc_ = nullptr;
    surfaceBitmap_ = nullptr;
    surfaceBits_ = nullptr;
}

void PictureBox::refresh() {
    if (window_) {
        InvalidateRect(window_, nullptr, FALSE);
    }
}

PixelImage PictureBox::image() const {
    PixelImage result;
    if (!surfaceBits_) {
        return result;
    }
    GdiFlush();
    result.width = width_;
    result.height = height_;
    result.pixels.assign(surfaceBits_, surfaceBits_ + static_cast<std::size_t>(width_) * height_);
    for (uint32_t& pixel : result.pixels) {
        pixel &= 0xFFFFFF;
    }
    return result;
}

LRESULT CALLBACK PictureBox::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* box = reinterpret_cast<PictureBox*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    followMousePress(window, message, lParam);
    switch (message) {
    case WM_ERASEBKGND:
        return 1; // the surface covers the whole client area
    case WM_PAINT:
        if (!box) {
            break;
        }
        box->onPaint();
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void PictureBox::onPaint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window_, &paint);
    const RECT& dirty = paint.rcPaint;
    BitBlt(dc, dirty.left, dirty.top, dirty.right - dirty.left, dirty.bottom - dirty.top,
           surfaceDc_, dirty.left, dirty.top, SRCCOPY);
    EndPaint(window_, &paint);
}

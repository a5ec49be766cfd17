// PictureBox: a child window painted from a memory surface (see PictureBox.h).
#include "saver/forms/PictureBox.h"

#include "saver/forms/Bitmaps.h"
#include "saver/forms/Form.h"
#include "saver/forms/MousePress.h"
#include "saver/forms/WindowClass.h"
#include "saver/forms/WindowPlace.h"

namespace velmora::forms {

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
    const base::PixelRect place = screenPixels(design_.place);
    width_ = place.width;
    height_ = place.height;
    createSurface(width_, height_);
    drawPicture();

    registerWindowClass(kClassName, &PictureBox::windowProc);
    const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (design_.visible ? WS_VISIBLE : 0);
    window_ = CreateWindowExW(0, kClassName, L"", style, place.left, place.top, width_, height_,
                              form, nullptr, GetModuleHandleW(nullptr), nullptr);
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
    HBITMAP bitmap = CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!surface_.hold(CreateCompatibleDC(nullptr), bitmap)) {
        return;
    }
    surfaceBits_ = static_cast<const uint32_t*>(bits);
    HBRUSH back = CreateSolidBrush(design_.backColour);
    const RECT all{0, 0, width, height};
    FillRect(surface_.dc(), &all, back);
    DeleteObject(back);
}

void PictureBox::drawPicture() {
    HBITMAP picture = loadBitmapResource(design_.pictureResource);
    if (!picture || !surface_.dc()) {
        return;
    }
    drawBitmapClipped(surface_.dc(), picture, {0, 0, width_, height_});
    DeleteObject(picture);
}

void PictureBox::formDestroyed() {
    if (window_) {
        DestroyWindow(window_);
    }
    window_ = nullptr;
    surface_.release();
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
    if (box) {
        followMousePress(box->form_.presses(), window, message, lParam);
    }
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
           surface_.dc(), dirty.left, dirty.top, SRCCOPY);
    EndPaint(window_, &paint);
}

} // namespace velmora::forms

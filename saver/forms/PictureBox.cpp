// PictureBox: a child window painted from a memory surface; containers and the form's surface
// (see PictureBox.h).
#include "saver/forms/PictureBox.h"

#include "saver/forms/MousePress.h"

namespace velmora::forms {

namespace {

constexpr wchar_t kClassName[] = L"VelmoraPictureBox";
constexpr UINT_PTR kSurfaceSubclassId = 0x5352;

} // namespace

PictureBox::PictureBox(Form& form, PictureBoxDesign design) : form_(form), design_(design) {
    form_.addControl(*this);
}

PictureBox::~PictureBox() {
    formDestroyed();
    form_.removeControl(*this);
}

void PictureBox::formCreated(HWND form) {
    const base::PixelRect rect = screenPixels(design_.rect);
    width_ = rect.width;
    height_ = rect.height;
    createSurface(width_, height_);
    drawPicture();

    registerWindowClass(kClassName, &PictureBox::windowProc);
    const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (design_.visible ? WS_VISIBLE : 0);
    window_ = CreateWindowExW(0, kClassName, L"", style, rect.left, rect.top, width_, height_, form,
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

SIZE PictureBox::scaleSize() const {
    RECT client{};
    if (window_) {
        GetClientRect(window_, &client);
    }
    return {client.right, client.bottom};
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

ContainerWindow onForm() {
    return [](HWND form) { return form; };
}

ContainerWindow inside(const PictureBox& box) {
    return [&box](HWND) { return box.hwnd(); };
}

FormSurface::FormSurface(Form& form, COLORREF backColour, int clientWidthTwips,
                         int clientHeightTwips)
    : form_(form), box_(form, {{0, 0, clientWidthTwips, clientHeightTwips}, true, backColour, 0}),
      subclass_(&FormSurface::subclassProc, kSurfaceSubclassId) {
    form_.addControl(*this);
}

FormSurface::~FormSurface() {
    formDestroyed();
    form_.removeControl(*this);
}

void FormSurface::formCreated(HWND form) {
    shown_ = false;
    // Everything else the form holds lies above the surface.
    SetWindowPos(box_.hwnd(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    subclass_.attach(form, this);
}

void FormSurface::formDestroyed() {
    subclass_.detach();
}

LRESULT CALLBACK FormSurface::subclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR, DWORD_PTR self) {
    auto* surface = reinterpret_cast<FormSurface*>(self);
    const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
    if (message == WM_SIZE && surface->shown_) {
        surface->resized();
    }
    // A hidden form is sized when it is made; it reports that size when it is first shown.
    if (message == WM_SHOWWINDOW && wParam && !surface->shown_) {
        surface->shown_ = true;
        surface->resized();
    }
    return result;
}

void FormSurface::resized() {
    if (onResize) {
        onResize();
    }
}

} // namespace velmora::forms

// The screen's scale, sizes, pointer and fonts (see Screen.h).
#include "saver/forms/Screen.h"

#include "base/Twips.h"
#include "base/win32/PlatformText.h"

namespace velmora::forms {

namespace {

ScreenPointer currentPointer = ScreenPointer::Default;

double screenTwipsPerPixel(int axis) {
    HDC screen = GetDC(nullptr);
    const int dotsPerInch = screen ? GetDeviceCaps(screen, axis) : 0;
    if (screen) {
        ReleaseDC(nullptr, screen);
    }
    return base::twipsPerPixelAt(dotsPerInch);
}

HCURSOR hourglassPointer() {
    return LoadCursorA(nullptr, IDC_WAIT);
}

} // namespace

double screenTwipsPerPixelX() {
    return screenTwipsPerPixel(LOGPIXELSX);
}

double screenTwipsPerPixelY() {
    return screenTwipsPerPixel(LOGPIXELSY);
}

TwipsSize twipsOfPixels(int width, int height) {
    return {static_cast<int>(base::twipsFromPixels(width, screenTwipsPerPixelX())),
            static_cast<int>(base::twipsFromPixels(height, screenTwipsPerPixelY()))};
}

TwipsSize screenSizeTwips() {
    return twipsOfPixels(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
}

base::PixelRect screenPixels(const base::TwipsRect& rect) {
    return base::toPixels(rect, screenTwipsPerPixelX(), screenTwipsPerPixelY());
}

RECT windowRect(const base::PixelRect& rect) {
    return {rect.left, rect.top, rect.left + rect.width, rect.top + rect.height};
}

void moveWindow(HWND window, const base::PixelRect& rect) {
    if (window) {
        MoveWindow(window, rect.left, rect.top, rect.width, rect.height, TRUE);
    }
}

void setScreenPointer(ScreenPointer pointer) {
    currentPointer = pointer;
    // Shown at once: a long call that follows gets no mouse message to update the pointer.
    SetCursor(pointer == ScreenPointer::Hourglass ? hourglassPointer() : arrowPointer());
}

HCURSOR screenPointerOverride() {
    return currentPointer == ScreenPointer::Hourglass ? hourglassPointer() : nullptr;
}

HCURSOR arrowPointer() {
    return LoadCursorA(nullptr, IDC_ARROW);
}

HFONT createFont(const FontDesign& design) {
    LOGFONTW font{};
    // A negative height asks for the character height, not the cell height, as point sizes mean.
    font.lfHeight = -fontPixelHeight(design.size, screenTwipsPerPixelY());
    font.lfWeight = design.weight;
    font.lfItalic = design.italic;
    font.lfUnderline = design.underline;
    font.lfStrikeOut = design.strikethrough;
    font.lfCharSet = static_cast<BYTE>(design.charset);
    const std::wstring name = win32::toWide(design.name);
    lstrcpynW(font.lfFaceName, name.c_str(), LF_FACESIZE);
    return CreateFontIndirectW(&font);
}

} // namespace velmora::forms

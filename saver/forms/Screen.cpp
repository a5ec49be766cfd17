// Twips per pixel of the screen (see Screen.h).
#include "saver/forms/Screen.h"

#include <windows.h>

#include "base/Twips.h"

namespace velmora::forms {

namespace {

double screenTwipsPerPixel(int axis) {
    HDC screen = GetDC(nullptr);
    const int dotsPerInch = screen ? GetDeviceCaps(screen, axis) : 0;
    if (screen) {
        ReleaseDC(nullptr, screen);
    }
    return base::twipsPerPixelAt(dotsPerInch);
}

} // namespace

double screenTwipsPerPixelX() {
    return screenTwipsPerPixel(LOGPIXELSX);
}
double screenTwipsPerPixelY() {
    return screenTwipsPerPixel(LOGPIXELSY);
}

} // namespace velmora::forms

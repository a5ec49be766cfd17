// Fixed single forms and sizes in twips (see VisibleForm.h).
#include "saver/forms/VisibleForm.h"

#include "base/Twips.h"
#include "saver/forms/Screen.h"

namespace velmora::forms {

namespace {
constexpr DWORD kFixedSingleStyle = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kFixedSingleExStyle = WS_EX_WINDOWEDGE;

int twipsX(int pixels) {
    return static_cast<int>(base::twipsFromPixels(pixels, screenTwipsPerPixelX()));
}
int twipsY(int pixels) {
    return static_cast<int>(base::twipsFromPixels(pixels, screenTwipsPerPixelY()));
}
} // namespace

FormDesign fixedSingleFormDesign(std::string caption, int clientWidthTwips, int clientHeightTwips,
                                 COLORREF backColour, HICON icon) {
    RECT outer{0, 0, base::pixelsFromTwips(clientWidthTwips, screenTwipsPerPixelX()),
               base::pixelsFromTwips(clientHeightTwips, screenTwipsPerPixelY())};
    AdjustWindowRectEx(&outer, kFixedSingleStyle, FALSE, kFixedSingleExStyle);
    FormDesign design;
    design.caption = std::move(caption);
    design.style = kFixedSingleStyle;
    design.exStyle = kFixedSingleExStyle;
    design.backColour = backColour;
    design.icon = icon;
    design.place.width = twipsX(outer.right - outer.left);
    design.place.height = twipsY(outer.bottom - outer.top);
    return design;
}

TwipsSize screenSizeTwips() {
    return {twipsX(GetSystemMetrics(SM_CXSCREEN)), twipsY(GetSystemMetrics(SM_CYSCREEN))};
}

TwipsSize windowSizeTwips(const Form& form) {
    RECT outer{};
    if (!form.hwnd() || !GetWindowRect(form.hwnd(), &outer)) {
        return {};
    }
    return {twipsX(outer.right - outer.left), twipsY(outer.bottom - outer.top)};
}

} // namespace velmora::forms

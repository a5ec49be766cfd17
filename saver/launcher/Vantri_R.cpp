// Vantri_R: the preview form inside the host's window (see Vantri_R.h).
#include "saver/launcher/Vantri_R.h"

#include "contract/SharedNames.h"
#include "saver/assets/AssetIds.h"
#include "saver/forms/Screen.h"
#include "saver/launcher/core/Launch.h"

namespace velmora::launcher {

namespace {

forms::FormDesign previewFormDesign() {
    forms::FormDesign design;
    design.caption = contract::kPreviewFormTitle;
    design.backColour = RGB(0, 0, 0);
    return design;
}

} // namespace

Vantri_R::Vantri_R()
    : form_(previewFormDesign()), Img_Prev(form_, {{0, 0, 152, 112}, IDB_PREVIEW}) {}

// Each step goes on with what the one before left, as the host may hand over any handle:
// a rectangle that cannot be read gives a form of 0 x 0.
void Vantri_R::showIn(HWND host) {
    RECT hostRect{};
    if (!GetWindowRect(host, &hostRect)) {
        hostRect = RECT{};
    }
    const double perPixelX = forms::screenTwipsPerPixelX();
    const double perPixelY = forms::screenTwipsPerPixelY();
    const int16_t width = previewTwips(hostRect.right - hostRect.left, perPixelX);
    const int16_t height = previewTwips(hostRect.bottom - hostRect.top, perPixelY);

    form_.load();
    SetWindowLongA(form_.hwnd(), GWL_STYLE, GetWindowLongA(form_.hwnd(), GWL_STYLE) | WS_CHILD);
    SetParent(form_.hwnd(), host);
    const base::TwipsRect place{0, 0, width, height};
    form_.move(place);
    Img_Prev.move(forms::screenPixels(place));
    form_.show();
}

} // namespace velmora::launcher

// Places in pixels of the screen (see WindowPlace.h).
#include "saver/forms/WindowPlace.h"

#include "base/Twips.h"
#include "saver/forms/Screen.h"

namespace velmora::forms {

base::PixelRect screenPixels(const base::TwipsRect& place) {
    return base::toPixels(place, screenTwipsPerPixelX(), screenTwipsPerPixelY());
}

RECT windowRect(const base::PixelRect& place) {
    return {place.left, place.top, place.left + place.width, place.top + place.height};
}

void moveWindow(HWND window, const base::PixelRect& place) {
    if (window) {
        MoveWindow(window, place.left, place.top, place.width, place.height, TRUE);
    }
}

} // namespace velmora::forms

// FpsOverlay: the frames-per-second figure of -fps in the lower left corner, in the X server's
// "fixed" font, drawn over the scene without disturbing its GL state.
#pragma once

#include <X11/Xlib.h>

#include <string>

namespace velmora::x11 {

class FpsOverlay {
public:
    // Needs the hack's context current; false when the font cannot be had.
    bool load(Display* display);
    void release(Display* display);

    void draw(const std::string& text, int width, int height) const;

private:
    XFontStruct* font_ = nullptr;
    unsigned int lists_ = 0;
};

} // namespace velmora::x11

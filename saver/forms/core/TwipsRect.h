// A rectangle in twips, as forms and controls are placed, and the same rectangle in pixels of a
// screen.
#pragma once

struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const TwipsRect&) const = default;
};

struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const PixelRect&) const = default;
};

// Each of the four converted on its own, rounded as pixelsFromTwips rounds.
PixelRect toPixels(const TwipsRect& twips, double twipsPerPixelX, double twipsPerPixelY);

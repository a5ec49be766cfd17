// Twips (1/1440 inch) and pixels: the scale a screen reports for its dots per inch and the
// conversions between the two units that forms and controls are measured in.
#pragma once

#include "base/Rect.h"

namespace velmora::base {

// 15 at 96 dots per inch, 12 at 120; a screen that reports no usable density counts as 96.
double twipsPerPixelAt(int dotsPerInch);

// Both round to the nearest whole unit, halves to even, as the forms' own arithmetic does.
int pixelsFromTwips(double twips, double twipsPerPixel);
double twipsFromPixels(int pixels, double twipsPerPixel);

// Each of the four converted on its own, rounded as pixelsFromTwips rounds.
PixelRect toPixels(const TwipsRect& twips, double twipsPerPixelX, double twipsPerPixelY);

} // namespace velmora::base

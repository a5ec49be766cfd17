// The character height of a font of a given point size on a screen of a given scale.
#pragma once

namespace velmora::forms {

// A point is 20 twips; the height is rounded to whole pixels (9.75 pt is 13 pixels at 15 twips
// per pixel, 16 at 12).
int fontPixelHeight(double points, double twipsPerPixel);

} // namespace velmora::forms

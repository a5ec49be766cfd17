// A place in twips, as forms and controls are placed, turned into pixels of a screen.
#pragma once

#include "base/Rect.h"

// The forms still live in the global namespace; these keep their short names until they move.
using velmora::base::PixelRect;
using velmora::base::TwipsRect;

// Each of the four converted on its own, rounded as pixelsFromTwips rounds.
PixelRect toPixels(const TwipsRect& twips, double twipsPerPixelX, double twipsPerPixelY);

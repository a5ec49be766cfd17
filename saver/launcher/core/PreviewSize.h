// The size of the preview form: a side of the host's window in pixels, taken as twips the way
// the form stores it, in a 16-bit integer.
#pragma once

#include <cstdint>

namespace velmora::launcher {

// pixels x twipsPerPixel, rounded to the nearest integer (halves to even). A side that does not
// fit 16 bits (above 2184 pixels at 15 twips per pixel) stays 0, as the failed store leaves it.
int16_t previewTwips(int pixels, double twipsPerPixel);

} // namespace velmora::launcher

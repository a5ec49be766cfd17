// Preview form sides in twips (see PreviewSize.h).
#include "saver/launcher/core/PreviewSize.h"

#include <cmath>

#include "base/Twips.h"

namespace velmora::launcher {

int16_t previewTwips(int pixels, double twipsPerPixel) {
    const double twips = velmora::base::twipsFromPixels(pixels, twipsPerPixel);
    if (twips > INT16_MAX || twips < INT16_MIN) {
        return 0;
    }
    return static_cast<int16_t>(twips);
}

} // namespace velmora::launcher

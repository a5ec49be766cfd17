// Pixel placement and centring of the settings dialog.
#include "saver/dialog/core/DialogLayout.h"

namespace velmora::dialog {

TwipsPoint dialogCorner(int screenWidthTwips, int screenHeightTwips, int windowWidthTwips,
                        int windowHeightTwips) {
    return {(screenWidthTwips - windowWidthTwips) / 2, (screenHeightTwips - windowHeightTwips) / 3};
}

} // namespace velmora::dialog

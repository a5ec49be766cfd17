// The small pictures of the settings dialog: the two option marks, the window icon and the
// hand cursor of the web-page link.
#pragma once

#include "tools/assetgen/Picture.h"

namespace velmora::assetgen {

inline constexpr int kMarkSize = 12;
inline constexpr int kIconSize = 32;
inline constexpr int kHandHotX = 12;
inline constexpr int kHandHotY = 10;

// The unselected option: an empty white square with a grey frame.
Picture makeMarkOffPicture();
// The selected option: a blue filled square.
Picture makeMarkOnPicture();
// The window icon: the star glint on dark blue.
Picture makeIconPicture();
// The 32 x 32 hand pointer whose index fingertip is the hot spot.
Picture makeHandPicture();

} // namespace velmora::assetgen

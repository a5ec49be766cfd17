// The still picture of the preview mode: one frame of the real animation, drawn in software at
// four times the size and scaled down.
#pragma once

#include "tools/assetgen/Picture.h"

namespace velmora::assetgen {

inline constexpr int kPreviewWidth = 152;
inline constexpr int kPreviewHeight = 112;

// The scene after the given number of frames, as a full-screen run would show it, drawn at
// the given size.
Picture renderSceneFrame(int frame, int width, int height, const Picture& star);

// Averages each square of factor x factor pixels into one.
Picture shrinkPicture(const Picture& picture, int factor);

Picture makePreviewPicture(const Picture& star);

} // namespace velmora::assetgen

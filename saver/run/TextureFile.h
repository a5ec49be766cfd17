// The texture bitmap that a full-screen run hands to the renderer.
#pragma once

#include "saver/forms/core/PixelImage.h"

namespace velmora::run {

// Writes the picture to "C:\Vantri.bmp", replacing an existing file. When that file cannot be
// written (no drive C, no access, an older file that cannot be replaced, a folder of that name),
// the same picture goes to Vantri.bmp in the user's temporary folder, found with the wide API
// so that any folder name serves; the renderer reads whichever was written last. False when
// neither worked.
bool saveTextureBitmap(const forms::PixelImage& image);

} // namespace velmora::run

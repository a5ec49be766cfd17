// The texture bitmap that a full-screen run hands to the renderer.
#pragma once

#include "saver/forms/core/PixelImage.h"

// Writes the picture to "C:\Vantri.bmp", replacing an existing file. When that file cannot be
// written (no drive C, no access, a folder of that name), the same picture goes to Vantri.bmp
// in the user's temporary folder, where the renderer looks next. False when neither worked.
bool saveTextureBitmap(const PixelImage& image);

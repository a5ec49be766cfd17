// Loading the texture bitmap quietly when it is absent, and where the saver may have left it.
#pragma once

#include "renderer/bitmap/core/RgbImage.h"

#include <optional>
#include <string>

namespace velmora::bitmap {

// Nothing, without a message, for a null path or a file that cannot be opened for reading;
// otherwise the result of readDibFile.
std::optional<RgbImage> loadTextureBitmap(const char* path);

// Whichever of "C:\Vantri.bmp" and Vantri.bmp in the user's temporary folder (where the saver
// writes it when the root of C: is closed to it) was written last; "C:\Vantri.bmp" when neither
// is there.
std::string sceneTexturePath();

} // namespace velmora::bitmap

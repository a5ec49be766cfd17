// Reads a Windows bitmap file of any common kind into packed 24-bit RGB rows through the
// platform's conversion, and Velmora.dll's scene picture: the texture bitmap the saver left.
#pragma once

#include "renderer/bitmap/core/RgbImage.h"

#include <optional>
#include <string>

namespace velmora::bitmap {

// The picture, or the one message that tells why there is none (empty when there is nothing to
// tell).
struct DibReading {
    std::optional<RgbImage> image;
    std::string message;
};

// A null path counts as a file that cannot be opened.
DibReading readDibFile(const char* path);

// Nothing, without a message, for a null path or a file that cannot be opened for reading;
// otherwise the result of readDibFile.
DibReading loadTextureBitmap(const char* path);

// Reads the texture bitmap from where the saver left it. Nothing when it cannot be had: quietly
// when there is no file, otherwise after the reader's message was shown in a box captioned
// "Error", owned by the window that has the keyboard.
std::optional<RgbImage> loadScenePicture();

} // namespace velmora::bitmap

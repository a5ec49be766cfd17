// Writing the texture bitmap, with the temporary folder as the second place (see TextureFile.h).
#include "saver/run/TextureFile.h"

#include <windows.h>

#include "saver/forms/SavePicture.h"
#include "saver/text/AnsiText.h"

namespace {

constexpr char kTexturePath[] = "C:\\Vantri.bmp";
constexpr char kTextureFileName[] = "Vantri.bmp";

std::string temporaryTexturePath() {
    char folder[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathA(sizeof folder, folder);
    if (length == 0 || length > MAX_PATH)
        return {};
    return fromAnsi(folder) + kTextureFileName;
}

} // namespace

bool saveTextureBitmap(const PixelImage& image) {
    if (savePicture(image, kTexturePath))
        return true;
    const std::string fallback = temporaryTexturePath();
    return !fallback.empty() && savePicture(image, fallback);
}

// Writing the texture bitmap, with the temporary folder as the second place (see TextureFile.h).
#include "saver/run/TextureFile.h"

#include <windows.h>

#include "contract/SharedNames.h"

#include "saver/forms/SavePicture.h"
#include "saver/text/AnsiText.h"

namespace velmora::run {

namespace {

// The picture is saved by its ANSI name, so a temporary folder named outside the code page goes
// by its short name, which the file system spells in plain letters.
std::string temporaryTexturePath() {
    wchar_t folder[MAX_PATH + 1] = {};
    DWORD length = GetTempPathW(MAX_PATH + 1, folder);
    if (length == 0 || length > MAX_PATH) {
        return {};
    }
    std::string path = text::fromWide({folder, length});
    if (text::fromAnsi(text::toAnsi(path)) != path) {
        length = GetShortPathNameW(folder, folder, MAX_PATH + 1);
        if (length == 0 || length > MAX_PATH) {
            return {};
        }
        path = text::fromWide({folder, length});
    }
    return path + velmora::contract::kTextureFileName;
}

} // namespace

bool saveTextureBitmap(const forms::PixelImage& image) {
    if (forms::savePicture(image, velmora::contract::kTexturePath)) {
        return true;
    }
    const std::string fallback = temporaryTexturePath();
    return !fallback.empty() && forms::savePicture(image, fallback);
}

} // namespace velmora::run

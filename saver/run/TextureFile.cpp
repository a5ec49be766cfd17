// Writing the texture bitmap, with the temporary folder as the second place (see TextureFile.h).
#include "saver/run/TextureFile.h"

#include "base/win32/TexturePlaces.h"
#include "contract/SharedNames.h"
#include "saver/forms/Bitmaps.h"

namespace velmora::run {

bool saveTextureBitmap(const forms::PixelImage& image) {
    if (forms::savePicture(image, velmora::contract::kTexturePath)) {
        return true;
    }
    // The picture is saved by its ANSI name, so the place is one whose ANSI text is exact.
    const std::optional<base::PathForm> fallback = win32::temporaryTexturePlace();
    return fallback && forms::savePicture(image, fallback->path);
}

} // namespace velmora::run

// The choice of the texture bitmap's place (see TexturePlace.h).
#include "renderer/bitmap/TexturePlace.h"

TexturePlace freshestTexturePlace(std::optional<std::uint64_t> rootWritten,
                                  std::optional<std::uint64_t> temporaryWritten) {
    if (!temporaryWritten || (rootWritten && *rootWritten >= *temporaryWritten)) {
        return TexturePlace::Root;
    }
    return TexturePlace::Temporary;
}

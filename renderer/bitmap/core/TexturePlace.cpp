// The choice of the texture bitmap's place (see TexturePlace.h).
#include "renderer/bitmap/core/TexturePlace.h"

namespace velmora::bitmap {

TexturePlace freshestTexturePlace(std::optional<std::uint64_t> rootWritten,
                                  std::optional<std::uint64_t> temporaryWritten) {
    if (!temporaryWritten || (rootWritten && *rootWritten >= *temporaryWritten)) {
        return TexturePlace::Root;
    }
    return TexturePlace::Temporary;
}

} // namespace velmora::bitmap

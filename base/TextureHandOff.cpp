// The rule of the texture hand-off (see TextureHandOff.h).
#include "base/TextureHandOff.h"

#include "contract/SharedNames.h"

namespace velmora::base {

TexturePlace freshestTexturePlace(std::optional<std::uint64_t> rootWritten,
                                  std::optional<std::uint64_t> temporaryWritten) {
    if (!temporaryWritten || (rootWritten && *rootWritten >= *temporaryWritten)) {
        return TexturePlace::Root;
    }
    return TexturePlace::Temporary;
}

PathForm textureFileIn(PathForm folder) {
    folder.path += contract::kTextureFileName;
    if (folder.ansi) {
        *folder.ansi += contract::kTextureFileName;
    }
    return folder;
}

} // namespace velmora::base

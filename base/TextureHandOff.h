// The texture hand-off between the two programs: the saver writes the texture bitmap to
// "C:\Vantri.bmp" or, when that file cannot be written, to Vantri.bmp in the user's temporary
// folder, and the renderer reads the one written last, so that an old file left in either place
// never wins over the picture the saver has just written. The names are in contract/SharedNames.h.
#pragma once

#include <cstdint>
#include <optional>

#include "base/PathForm.h"
#include "contract/SharedNames.h"

namespace velmora::base {

enum class TexturePlace { Root, Temporary };

// From the last-write times of the two files (nothing for a file that is not there): the one
// written last, the root one on a tie, and the root one when neither exists, so the loader
// reports a missing bitmap the usual way.
inline TexturePlace freshestTexturePlace(std::optional<std::uint64_t> rootWritten,
                                         std::optional<std::uint64_t> temporaryWritten) {
    if (!temporaryWritten || (rootWritten && *rootWritten >= *temporaryWritten)) {
        return TexturePlace::Root;
    }
    return TexturePlace::Temporary;
}

// The texture bitmap's place in a folder, given by a form whose texts end in a separator.
inline PathForm textureFileIn(PathForm folder) {
    folder.path += contract::kTextureFileName;
    if (folder.ansi) {
        *folder.ansi += contract::kTextureFileName;
    }
    return folder;
}

} // namespace velmora::base

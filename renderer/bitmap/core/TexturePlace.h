// Which of the two places the saver may have written the texture bitmap to is read: the saver
// falls back to the temporary folder when "C:\Vantri.bmp" cannot be replaced, and an old file
// left there must not win over the picture it has just written.
#pragma once

#include <cstdint>
#include <optional>

namespace velmora::bitmap {

enum class TexturePlace { Root, Temporary };

// From the last-write times of the two files (nothing for a file that is not there): the one
// written last, the root one on a tie, and the root one when neither exists, so the loader
// reports a missing bitmap the usual way.
TexturePlace freshestTexturePlace(std::optional<std::uint64_t> rootWritten,
                                  std::optional<std::uint64_t> temporaryWritten);

} // namespace velmora::bitmap

// The texture hand-off on Windows: the saver's write with its fallback, and the renderer's choice
// of the file to read (the rule is in base/TextureHandOff.h).
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "base/PathForm.h"

namespace velmora::win32 {

// Vantri.bmp in the temporary folder, by a form of the folder whose ANSI text is exact (its
// short name when its own has none), since the picture is written and read by its ANSI name;
// nothing when there is no such folder or form.
std::optional<base::PathForm> temporaryTexturePlace();

// Writes the texture bitmap with save, given a UTF-8 path: to "C:\Vantri.bmp", replacing an
// existing file, and when that cannot be written (no drive C, no access, an older file that
// cannot be replaced, a folder of that name) to the temporary place. False when neither worked.
bool saveTextureBitmap(const std::function<bool(const std::string& path)>& save);

// The ANSI path of the texture bitmap the renderer reads: whichever of the two places was
// written last; "C:\Vantri.bmp" when neither is there.
std::string textureBitmapToRead();

} // namespace velmora::win32

// Where the saver leaves the texture bitmap for the renderer: "C:\Vantri.bmp", or Vantri.bmp in
// the user's temporary folder when the root of C: is closed to it.
#pragma once

#include <optional>

#include "base/PathForm.h"

namespace velmora::win32 {

// Vantri.bmp in the temporary folder, by a form of the folder whose ANSI text is exact (its
// short name when its own has none), since the picture is written and read by its ANSI name;
// nothing when there is no such folder or form.
std::optional<base::PathForm> temporaryTexturePlace();

} // namespace velmora::win32
